#include "win32/StartOptionsApp.h"

#include <windows.h>

#include <commctrl.h>

#include "CommandLine.h"
#include "win32/DirectDrawLayer.h"
#include "win32/KSysInfo.h"
#include "win32/StartOptionsDialog.h"

namespace {

// The program-wide system information: built before anything else of the program runs, with the
// processor clock measured over 100 ms, and measured again during the dialog's start-up work.
KSysInfo programSysInfo;

}  // namespace

bool StartOptionsApp::InitInstance(const KStr& arguments) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);  // the frame-rate slider

    DirectDrawLayer drivers;
    StartOptionsDialog dialog(programSysInfo, drivers, arguments);
    switch (dialog.RunModal()) {
        case IDOK:
            exitStatus_ = kExitStored;
            break;
        case IDCANCEL:
            exitStatus_ = kExitCancelled;
            break;
        case StartOptionsDialog::kStoreFailed:
            exitStatus_ = kExitStoreFailed;
            break;
        default:  // -1: no template, or no window (no display to show it on)
            exitStatus_ = kExitNotStarted;
            break;
    }
    return false;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The argument text is taken from the whole command line ourselves, so that the program's
    // path never counts towards a switch, whatever the runtime made of it.
    StartOptionsApp app;
    app.InitInstance(ArgumentText(GetCommandLineA()));
    return app.ExitStatus();
}

// Development aid for docs/screenshots.sh and ./dev run: starts Quorvel.exe (beside this
// program), brings it into the state a screenshot shows, and writes "x y width height" of the
// window to photograph into a file.
//   quorvel_show.exe german|french|languages|notice|minimised|figures <ready-file>
//   quorvel_show.exe high-contrast <ready-file>      the options dialog in this program, drawn as
//                                                     under a high-contrast theme, in the system
//                                                     colours of the session
//   quorvel_show.exe run <ready-file> [switches...]   Quorvel as a player runs it, once filled;
//                                                     exits with Quorvel's exit code
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "res/QuorvelRes.h"
#include "support/DialogThread.h"
#include "support/ProgramDriver.h"
#include "support/ReadyFile.h"
#include "win32/DirectDrawLayer.h"
#include "win32/HighContrast.h"
#include "win32/KSysInfo.h"
#include "win32/QuorvelRun.h"
#include "win32/StartOptionsDialog.h"

namespace {

// Quorvel with the switches, photographed once filled and then left to the player.
int RunQuorvel(int argc, char** argv) {
    std::string switches;
    for (int i = 3; i < argc; ++i) {
        switches += std::string(i > 3 ? " " : "") + argv[i];
    }
    ProgramDriver quorvel(QuorvelPath(), switches);
    return RunAsPlayer(quorvel, argv[2], QuorvelFilled);
}

// The options dialog, "-advanced", in French, on a thread of this program: Wine can't report a
// high-contrast theme, so only a dialog in this process can be told of one.
int ShowHighContrast(const char* readyFile) {
    ForceHighContrast(HighContrastAnswer::kOn);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    KSysInfo sysInfo;
    DirectDrawLayer drivers;
    StartOptionsDialog options(sysInfo, drivers, KStr("-advanced"));
    DialogThread run(options);
    const DialogDriver dialog = run.WaitReady(QuorvelFilled);
    if (!dialog) {
        return 1;
    }
    dialog.Choose(IDC_LANGUAGE, kFrench);
    WriteReadyFile(readyFile, dialog);
    Sleep(5000);  // until the picture is taken; the dialog is cancelled with run
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "run") == 0) {
        return RunQuorvel(argc, argv);
    }
    if (argc == 3 && std::strcmp(argv[1], "high-contrast") == 0) {
        return ShowHighContrast(argv[2]);
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: quorvel_show german|french|languages|notice|minimised|figures|"
                     "high-contrast <ready-file>\n");
        return 2;
    }
    const char* scene = argv[1];
    bool advanced = std::strcmp(scene, "german") != 0 && std::strcmp(scene, "minimised") != 0 &&
                    std::strcmp(scene, "figures") != 0;
    ProgramDriver quorvel(QuorvelPath(), advanced ? "-advanced" : "");
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    if (!dialog) {
        std::fprintf(stderr, "Quorvel did not come up\n");
        return 1;
    }
    DialogDriver shown = dialog;
    if (std::strcmp(scene, "french") == 0) {
        dialog.Choose(IDC_LANGUAGE, kFrench);
    } else if (std::strcmp(scene, "languages") == 0) {
        // Japanese selected without telling the dialog, and the list opened: its entry is drawn
        // as the three characters, in the field and highlighted in the list. It is opened with a
        // click, as a player opens it: dropped by a message from this program, Wine 8 keeps it
        // open without drawing it.
        dialog.Select(IDC_LANGUAGE, kJapanese);
        if (!dialog.BringToFront() || !dialog.ClickWithMouse(IDC_LANGUAGE) ||
            !WaitFor([&] { return dialog.Send(IDC_LANGUAGE, CB_GETDROPPEDSTATE) != FALSE; })) {
            std::fprintf(stderr, "the language list did not open\n");
            return 1;
        }
    } else if (std::strcmp(scene, "notice") == 0) {
        dialog.PostChoose(IDC_LANGUAGE, kJapanese);
        shown = quorvel.WaitWindow("Error!");
    } else if (std::strcmp(scene, "minimised") == 0) {
        ShowWindowAsync(dialog.Handle(), SW_MINIMIZE);
        WaitFor([&] { return IsIconic(dialog.Handle()) != FALSE; });
    }
    RECT frame = shown.Frame();
    if (std::strcmp(scene, "figures") == 0) {
        // The pointer rests on the rating summary: the dialog with its tooltip.
        HWND tip = nullptr;
        if (!dialog.PointWithMouse(IDC_RATING) ||
            !WaitFor([&] { return (tip = dialog.ShownTipWindow()) != nullptr; })) {
            std::fprintf(stderr, "the rating's tooltip did not show\n");
            return 1;
        }
        RECT tipFrame = {};
        GetWindowRect(tip, &tipFrame);
        UnionRect(&frame, &frame, &tipFrame);
    }
    if (!shown || !WriteReadyFile(argv[2], frame)) {
        return 1;
    }
    // Quorvel stays up until the picture is taken; it closes with this program's end.
    Sleep(5000);
    return 0;
}

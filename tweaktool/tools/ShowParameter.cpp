// Starts Tinkrel.exe (beside this program), sets every parameter to its default through the
// dialog and saves, selects one row and leaves the program running: the scene of the tweak
// tool's screenshot. Run it only in a Wine prefix of its own: it stores the settings.
//   tinkrel_show <row> <ready-file>
// Writes the dialog's window rectangle "x y width height" into ready-file once the row is shown.
// Exits 0 on success, 1 when the dialog does not appear, 2 on bad arguments.
//   tinkrel_show run <ready-file>   (./dev run) Tinkrel as a player runs it, with nothing
//                                   changed; exits with its exit code
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/TweakDialogRes.h"
#include "support/ProgramDriver.h"
#include "support/ReadyFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tinkrel_show <row>|run <ready-file>\n");
        return 2;
    }
    ProgramDriver tinkrel(ProgramBeside(L"Tinkrel.exe"));
    if (std::strcmp(argv[1], "run") == 0) {
        return RunAsPlayer(tinkrel, argv[2]);
    }
    DialogDriver dialog = tinkrel.WaitDialog();
    if (!dialog) {
        return 1;
    }
    tinkrel.KeepRunning();
    // Each poll (timer 1) delivered at once: first the selected row's own position, then the
    // default; the poll takes only a position that differs from the one it saw last.
    for (int row = 1; row < dialog.EntryCount(IDC_PARAMETER_LIST); ++row) {
        dialog.ClickRow(IDC_PARAMETER_LIST, row);
        dialog.Tick(1);
        dialog.Press(IDC_DEFAULT);
        dialog.Tick(1);
    }
    dialog.Press(IDC_SAVE);
    dialog.ClickRow(IDC_PARAMETER_LIST, std::atoi(argv[1]));
    Sleep(200);  // a few polls, and time to paint

    if (!WriteReadyFile(argv[2], dialog)) {
        return 1;
    }
    return 0;
}

// Starts Tinkrel.exe, sets every parameter to its default through the dialog and saves, selects
// one row and leaves the program running: the scene of the tweak tool's screenshot. Run it only
// in a Wine prefix of its own: it stores the settings.
//   tinkrel_show <Tinkrel.exe> <row> <ready-file>
// Writes the dialog's window rectangle "x y width height" into ready-file once the row is shown.
// Exits 0 on success, 1 when the dialog does not appear, 2 on bad arguments.
//   tinkrel_show <Tinkrel.exe> run <ready-file>   (./dev run) Tinkrel as a player runs it, with
//                                                 nothing changed; exits with its exit code
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/TweakDialogRes.h"
#include "support/ProgramDriver.h"
#include "support/ReadyFile.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tinkrel_show <Tinkrel.exe> <row> <ready-file>\n");
        return 2;
    }
    ProgramDriver tinkrel(WindowsPathOf(argv[1]));
    if (std::strcmp(argv[2], "run") == 0) {
        return RunAsPlayer(tinkrel, argv[3]);
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
    dialog.ClickRow(IDC_PARAMETER_LIST, std::atoi(argv[2]));
    Sleep(200);  // a few polls, and time to paint

    if (!WriteReadyFile(argv[3], dialog)) {
        return 1;
    }
    return 0;
}

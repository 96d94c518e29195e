// Starts Tinkrel.exe, sets every parameter to its default through the dialog and saves, selects
// one row and leaves the program running: the scene of the tweak tool's screenshot. Run it only
// in a Wine prefix of its own: it stores the settings.
//   tinkrel_show <Tinkrel.exe> <row> <ready-file>
// Writes the dialog's window rectangle "x y width height" into ready-file once the row is shown.
// Exits 0 on success, 1 when the dialog does not appear, 2 on bad arguments.
#include <cstdio>
#include <cstdlib>

#include "TinkrelDriver.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tinkrel_show <Tinkrel.exe> <row> <ready-file>\n");
        return 2;
    }
    TinkrelDriver tinkrel;
    if (!tinkrel.Start(WindowsPathOf(argv[1]))) {
        return 1;
    }
    tinkrel.KeepRunning();
    for (int row = 1; row < tinkrel.RowCount(); ++row) {
        tinkrel.SelectRow(row);
        tinkrel.Press(IDC_DEFAULT);
        const std::string wanted = std::to_string(tinkrel.SliderPos());
        WaitFor([&] { return tinkrel.Text(IDC_CURRENT) == wanted; });
    }
    tinkrel.Press(IDC_SAVE);
    tinkrel.SelectRow(std::atoi(argv[2]));
    Sleep(200);  // a few polls, and time to paint

    RECT frame;
    GetWindowRect(tinkrel.Dialog(), &frame);
    FILE* ready = std::fopen(argv[3], "w");
    if (ready == nullptr) {
        return 1;
    }
    std::fprintf(ready, "%ld %ld %ld %ld\n", frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top);
    std::fclose(ready);
    return 0;
}

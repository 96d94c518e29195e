// Development aid for docs/screenshots-quorvel.sh: starts Quorvel.exe (beside this program),
// brings it into the state a screenshot shows, and writes "x y width height" of the window to
// photograph into a file.
//   quorvel_show.exe german|french|languages|notice|minimised <ready-file>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "QuorvelProcess.h"
#include "QuorvelRes.h"

namespace {

constexpr int kFrench = 2;
constexpr int kJapanese = 6;

bool WriteReady(const char* path, HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    FILE* file = std::fopen(path, "w");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: quorvel_show german|french|languages|notice|minimised <ready-file>\n");
        return 2;
    }
    const char* scene = argv[1];
    bool advanced = std::strcmp(scene, "german") != 0 && std::strcmp(scene, "minimised") != 0;
    QuorvelProcess quorvel(advanced ? "-advanced" : "");
    HWND dialog = quorvel.WaitFilled();
    if (dialog == nullptr) {
        std::fprintf(stderr, "Quorvel did not come up\n");
        return 1;
    }
    HWND shown = dialog;
    if (std::strcmp(scene, "french") == 0) {
        Choose(dialog, IDC_LANGUAGE, kFrench);
    } else if (std::strcmp(scene, "languages") == 0) {
        // Japanese selected without telling the dialog, and the list opened: its entry is drawn
        // as the three characters, in the field and highlighted in the list.
        SendDlgItemMessageW(dialog, IDC_LANGUAGE, CB_SETCURSEL, kJapanese, 0);
        SendDlgItemMessageW(dialog, IDC_LANGUAGE, CB_SHOWDROPDOWN, TRUE, 0);
    } else if (std::strcmp(scene, "notice") == 0) {
        PostChoose(dialog, IDC_LANGUAGE, kJapanese);
        shown = quorvel.WaitWindow("Error!");
    } else if (std::strcmp(scene, "minimised") == 0) {
        ShowWindowAsync(dialog, SW_MINIMIZE);
        WaitFor(5000, [&] { return IsIconic(dialog) != FALSE; });
    }
    if (shown == nullptr || !WriteReady(argv[2], shown)) {
        return 1;
    }
    // Quorvel stays up until the picture is taken; it closes with this program's end.
    Sleep(5000);
    return 0;
}

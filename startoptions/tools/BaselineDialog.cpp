// The cost of a Win32 dialog program under Wine without any work of its own: it shows the notice
// dialog of Quorvel's resources and closes it at once. docs/performance-quorvel.sh times it
// beside Quorvel.exe -automatic.
#include <windows.h>

#include "res/QuorvelRes.h"
#include "win32/DialogBase.h"

namespace {

class ClosingDialog : public DialogBase {
public:
    ClosingDialog() : DialogBase(IDD_NOTICE) {}

protected:
    bool OnInitDialog() override {
        PostMessageA(Handle(), WM_COMMAND, IDOK, 0);
        return true;
    }
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ClosingDialog().RunModal();
    return 0;
}

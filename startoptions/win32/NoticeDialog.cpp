#include "win32/NoticeDialog.h"

#include "res/QuorvelRes.h"

NoticeDialog::NoticeDialog() : DialogBase(IDD_NOTICE) {}

bool NoticeDialog::OnInitDialog() {
    whiteBrush.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    return true;
}

bool NoticeDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR* result) {
    if (!IsCtlColorMessage(message)) {
        return false;
    }
    SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    *result = reinterpret_cast<INT_PTR>(whiteBrush.Get());
    return true;
}

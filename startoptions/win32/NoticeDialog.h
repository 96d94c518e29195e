#pragma once

#include "win32/DialogBase.h"
#include "win32/GdiHandles.h"

// Dialog 135: Japanese is not available in this version. Shown modally over the options dialog
// when Japanese is chosen; every control, the OK button included, sits on white.
class NoticeDialog : public DialogBase {
public:
    NoticeDialog();

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    Brush whiteBrush;
};

// True for the WM_CTLCOLOR* messages, with which a control asks for its background brush.
inline bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

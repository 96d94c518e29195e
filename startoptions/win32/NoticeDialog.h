#pragma once

#include "win32/DialogBase.h"
#include "win32/Dpi.h"
#include "win32/GdiHandles.h"
#include "win32/ScaledPicture.h"

// Dialog 135: Japanese is not available in this version. Shown modally over the options dialog
// when Japanese is chosen; every control, the OK button included, sits on white. Its picture of
// the Japanese sentence grows with the dialog's DPI, as its font does.
class NoticeDialog : public DialogBase {
public:
    NoticeDialog();

protected:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;

private:
    // Gives the picture control the sentence at the dialog's DPI (at 96 dpi it shows its own).
    void ScalePicture();

    Brush whiteBrush;
    WindowDpi dpi_;
    ScaledPicture picture_;
    Bitmap templatePicture_;  // the control's own picture, once ours replaced it
};

// True for the WM_CTLCOLOR* messages, with which a control asks for its background brush.
inline bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

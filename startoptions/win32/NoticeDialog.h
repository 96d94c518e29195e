#pragma once

#include "win32/DialogBase.h"
#include "win32/GdiHandles.h"
#include "win32/ScaledPicture.h"
#include "win32/WhiteBackground.h"

// Dialog 135: Japanese is not available in this version. Shown modally over the options dialog
// when Japanese is chosen; every control, the OK button included, sits on white, or under high
// contrast on the system's window colour, without the picture. Its picture of the Japanese
// sentence grows with the dialog's DPI, as its font does.
class NoticeDialog : public DialogBase {
public:
    NoticeDialog();

protected:
    bool OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) override;
    void OnDpiChanged() override;
    void OnColoursChanged() override;

private:
    // Gives the picture control the sentence at the dialog's DPI (at 96 dpi it shows its own).
    void ScalePicture();
    void ShowPictureUnlessHighContrast();

    WhiteBackground whiteBrush;
    ScaledPicture picture_;
    Bitmap templatePicture_;  // the control's own picture, once ours replaced it
};

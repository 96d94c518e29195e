#pragma once

#include <windows.h>

#include "win32/GdiHandles.h"

// What the controls of the options dialog and of the notice sit on: white, or under high
// contrast the system's window colours. The brush lives as long as its dialog.
class WhiteBackground {
public:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    // At the dialog's initialisation.
    void Create() { brush_.Reset(CreateSolidBrush(kWhite)); }
    // WM_CTLCOLOR*: sets the text background of dc and gives the brush the control is drawn on.
    HBRUSH Colour(HDC dc) const;

private:
    Brush brush_;
};

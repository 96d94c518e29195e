#pragma once

#include <windows.h>

#include "res/QuorvelRes.h"
#include "win32/DialogBase.h"
#include "win32/GdiHandles.h"
#include "win32/ProgramIcons.h"
#include "win32/ScaledPicture.h"
#include "win32/WhiteBackground.h"

// The options dialog's look: the program icons, the banner behind the controls and the colours
// of the dialog and its controls, all at the dialog's DPI; under high contrast no banner and the
// system's colours only. The backgrounds of the dialog and its controls are decided here; the
// language list draws its own entries (LanguageComboBox). Brushes, banner and icons live as long
// as the dialog; its base paints the icon while it is minimised.
class OptionsDecoration {
public:
    static constexpr COLORREF kBuntColour = RGB(255, 255, 185);

    // bunt ("-bunt"): the paint's background colour is light yellow instead of white. Nothing on
    // screen shows it: the banner and its paper cover the client area, and every control and the
    // dialog's own background take the white brush.
    void Init(DialogBase& dialog, bool bunt);
    // Loads the icons and the banner for the dialog's DPI, at the start and on every change.
    void Scale(DialogBase& dialog);
    // WM_PAINT: the banner in the top-left corner, its paper beyond it.
    void Paint(HWND dialog) const;
    // WM_CTLCOLOR*: push buttons keep the system's colours; everything else, the dialog
    // included, sits on white, or under high contrast on the system's window colour with its
    // window text colour. The "-bunt" colour does not reach the controls.
    HBRUSH ControlColour(HDC dc, UINT kind) const;

private:
    WhiteBackground whiteBrush;
    ScaledPicture bannerBitmap{IDB_BANNER, IDB_BANNER_MASTER};
    Brush paperBrush;  // the banner's paper, beyond its right and bottom edges
    COLORREF backgroundColour = WhiteBackground::kWhite;
    ProgramIcons programIcon;
};

// The options dialog's look: the program icon, the banner behind the controls, white control
// backgrounds (the dialog's own in light yellow with "-bunt"), and the owner-drawn language list;
// all at the dialog's DPI.
#include <algorithm>

#include "res/QuorvelRes.h"
#include "win32/StartOptionsDialog.h"

namespace {

// Copies the banner, made for the dialog's scale, to the top-left corner; where the client area is
// larger than the banner (the advanced rows, a wider font), its paper goes on.
void PaintBanner(HWND window, const ScaledPicture& banner, COLORREF background, HBRUSH paper) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetBkColor(dc, background);
    RECT client;
    GetClientRect(window, &client);
    const SIZE size = banner.Size();
    const int width = std::min<int>(client.right, size.cx);
    const int height = std::min<int>(client.bottom, size.cy);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = banner.Get() != nullptr ? SelectObject(memory, banner.Get()) : nullptr;
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    const RECT right = {width, 0, client.right, client.bottom};
    const RECT below = {0, height, width, client.bottom};
    FillRect(dc, &right, paper);
    FillRect(dc, &below, paper);
    EndPaint(window, &paint);
}

}  // namespace

// Brush, banner and icons live as long as the dialog; the base paints the icon while minimised.
void StartOptionsDialog::InitDecoration() {
    whiteBrush.Reset(CreateSolidBrush(kWhite));
    backgroundColour = switches_.bunt ? kBuntColour : kWhite;
    ScaleDecoration();  // the icons, the banner and the Japanese strokes
}

void StartOptionsDialog::ScaleDecoration() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    ShowProgramIcons(programIcon, IDI_PROGRAM);
    bannerBitmap.Load(module, Dpi().Get());
    paperBrush.Reset(CreateSolidBrush(bannerBitmap.Paper()));
    languageList_.SetDpi(Dpi().Get());
}

// The dialog moved to a screen of another scale.
void StartOptionsDialog::OnDpiChanged() {
    ScaleDecoration();
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool StartOptionsDialog::OnPaint() {
    PaintBanner(Handle(), bannerBitmap, backgroundColour, paperBrush.Get());
    return false;  // the default processing follows
}

// Push buttons keep the system's colours; everything else, the dialog included, sits on white.
// The "-bunt" colour does not reach the controls.
HBRUSH StartOptionsDialog::OnCtlColor(HDC dc, HWND, UINT kind) {
    if (kind == WM_CTLCOLORBTN) {
        return nullptr;
    }
    SetBkColor(dc, kWhite);
    return whiteBrush.Get();
}

bool StartOptionsDialog::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    if (item.CtlID != IDC_LANGUAGE) {
        return false;
    }
    languageList_.MeasureItem(item);
    return true;
}

bool StartOptionsDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_LANGUAGE) {
        return false;
    }
    languageList_.DrawItem(item);
    return true;
}

bool StartOptionsDialog::OnCompareItem(const COMPAREITEMSTRUCT& item, int& order) {
    if (item.CtlID != IDC_LANGUAGE) {
        return false;
    }
    order = languageList_.CompareItem(item);
    return true;
}

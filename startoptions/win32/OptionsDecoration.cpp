#include "win32/OptionsDecoration.h"

#include <algorithm>

#include "win32/HighContrast.h"

void OptionsDecoration::Init(DialogBase& dialog, bool bunt) {
    whiteBrush.Create();
    backgroundColour = bunt ? kBuntColour : WhiteBackground::kWhite;
    Scale(dialog);
}

void OptionsDecoration::Scale(DialogBase& dialog) {
    dialog.ShowProgramIcons(programIcon, IDI_PROGRAM);
    bannerBitmap.Load(GetModuleHandleA(nullptr), dialog.Dpi().Get());
    paperBrush.Reset(CreateSolidBrush(bannerBitmap.Paper()));
}

// Copies the banner, made for the dialog's scale, to the top-left corner; where the client area is
// larger than the banner (the advanced rows, a wider font), its paper goes on. Under high contrast
// no banner: the background the dialog's colour gave it stays.
void OptionsDecoration::Paint(HWND dialog) const {
    if (HighContrastOn()) {
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    SetBkColor(dc, backgroundColour);
    RECT client;
    GetClientRect(dialog, &client);
    const SIZE size = bannerBitmap.Size();
    const int width = std::min<int>(client.right, size.cx);
    const int height = std::min<int>(client.bottom, size.cy);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous =
        bannerBitmap.Get() != nullptr ? SelectObject(memory, bannerBitmap.Get()) : nullptr;
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    const RECT right = {width, 0, client.right, client.bottom};
    const RECT below = {0, height, width, client.bottom};
    FillRect(dc, &right, paperBrush.Get());
    FillRect(dc, &below, paperBrush.Get());
    EndPaint(dialog, &paint);
}

HBRUSH OptionsDecoration::ControlColour(HDC dc, UINT kind) const {
    if (kind == WM_CTLCOLORBTN) {
        return nullptr;
    }
    return whiteBrush.Colour(dc);
}

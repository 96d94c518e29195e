// The options dialog's look: the banner behind the controls, white control backgrounds, the
// program icon when minimised, and the owner-drawn language list; all at the dialog's DPI.
#include <algorithm>
#include <utility>

#include "res/QuorvelRes.h"
#include "win32/NoticeDialog.h"
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

bool StartOptionsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    if (IsCtlColorMessage(message)) {
        HBRUSH brush =
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        if (brush == nullptr) {
            return false;
        }
        *result = reinterpret_cast<INT_PTR>(brush);
        return true;
    }
    switch (message) {
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<INT_PTR>(programIcon.Big());
            return true;
        case WM_DPICHANGED:
            OnDpiChanged(wParam, lParam);
            return false;  // the template's controls and fonts follow in the default processing
        case WM_COPY:  // Ctrl+C outside an edit field
            CopyRatingFigures();
            return true;
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_COMPAREITEM:
            return OnOwnerDraw(message, wParam, lParam, result);
        default:
            return false;
    }
}

void StartOptionsDialog::ScaleDecoration() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    ProgramIcons icons(module, IDI_PROGRAM, dpi_.Get());
    SetIcons(icons.Big(), icons.Small());
    programIcon = std::move(icons);  // the window no longer shows the old ones
    bannerBitmap.Load(module, dpi_.Get());
    paperBrush.Reset(CreateSolidBrush(bannerBitmap.Paper()));
    languageList.SetDpi(dpi_.Get());
}

// The dialog moved to a screen of another scale: the new DPI is the message's (the window's own
// may not have caught up yet).
void StartOptionsDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    dpi_.OnDpiChanged(Handle(), wParam, lParam);
    ScaleDecoration();
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool StartOptionsDialog::OnPaint() {
    if (PaintIfMinimised(programIcon.Big(), dpi_.Get())) {
        return true;
    }
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

bool StartOptionsDialog::OnOwnerDraw(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
    if (static_cast<int>(wParam) != IDC_LANGUAGE) {
        return false;
    }
    switch (message) {
        case WM_MEASUREITEM:
            languageList.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            *result = TRUE;
            return true;
        case WM_DRAWITEM:
            languageList.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            *result = TRUE;
            return true;
        default:
            *result = languageList.CompareItem(*reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam));
            return true;
    }
}

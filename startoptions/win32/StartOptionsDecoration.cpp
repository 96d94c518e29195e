// The options dialog's look: the banner behind the controls, white control backgrounds, the
// program icon when minimised, and the owner-drawn language list.
#include <algorithm>

#include "res/QuorvelRes.h"
#include "win32/NoticeDialog.h"
#include "win32/StartOptionsDialog.h"

namespace {

// Copies the banner unscaled to the top-left corner. Only the bitmap's own extent is copied:
// where the client area is larger (the advanced rows), the dialog's white background shows.
void PaintBanner(HWND window, HBITMAP banner, COLORREF background) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetBkColor(dc, background);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = nullptr;
    BITMAP size = {};
    if (banner != nullptr) {
        previous = SelectObject(memory, banner);
        GetObjectA(banner, sizeof size, &size);
    }
    RECT client;
    GetClientRect(window, &client);
    int width = std::min<int>(client.right - client.left, size.bmWidth);
    int height = std::min<int>(client.bottom - client.top, size.bmHeight);
    BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (previous != nullptr) {
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
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
            *result = reinterpret_cast<INT_PTR>(programIcon);
            return true;
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_COMPAREITEM:
            return OnOwnerDraw(message, wParam, lParam, result);
        default:
            return false;
    }
}

bool StartOptionsDialog::OnPaint() {
    if (PaintIfMinimised(programIcon)) {
        return true;
    }
    PaintBanner(Handle(), bannerBitmap.Get(), backgroundColour);
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

#pragma once

#include <windows.h>

// The display scale of a window. What the programs draw themselves (pictures, strokes, icons,
// pixel offsets) is designed for 96 dots per inch and drawn at the DPI of the window it appears
// in; dialog templates scale with their font by themselves.
//
// The functions that tell a window's DPI came with Windows 10; they are looked up at run time, so
// that the programs still start where they are missing.

constexpr UINT kDesignDpi = 96;

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The DPI of window: GetDpiForWindow where the system has it, else the screen's LOGPIXELSY (the
// one DPI of the whole system there).
UINT DpiOfWindow(HWND window);

// A size in pixels designed for 96 dpi, at dpi.
inline int ScaleToDpi(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kDesignDpi));
}

// A system metric (SM_CXICON...) at dpi: GetSystemMetricsForDpi where the system has it, else
// GetSystemMetrics, which answers for the system's DPI.
int SystemMetricForDpi(int index, UINT dpi);

// The DPI a dialog draws at: taken from its window when it starts, and from WM_DPICHANGED when it
// moves to a screen of another scale.
class WindowDpi {
public:
    void Follow(HWND window) { dpi_ = DpiOfWindow(window); }
    // WM_DPICHANGED: the new DPI is the message's own (the window's may not have caught up yet),
    // and the window takes the rectangle the system suggests for it.
    void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);

    UINT Get() const { return dpi_; }
    int Scale(int pixels) const { return ScaleToDpi(pixels, dpi_); }
    bool IsDesign() const { return dpi_ == kDesignDpi; }

private:
    UINT dpi_ = kDesignDpi;
};

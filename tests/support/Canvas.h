// What the tests of drawing paint on and read back: a memory context with a bitmap of its own.
#pragma once

#include <windows.h>

// A memory context with a bitmap of its own, filled with a canary colour.
class Canvas {
public:
    static constexpr COLORREF kCanary = RGB(1, 2, 3);
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH canary = CreateSolidBrush(kCanary);
        FillRect(dc_, &all, canary);
        DeleteObject(canary);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// The colour of a solid brush.
inline COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH logBrush = {};
    GetObjectA(brush, sizeof logBrush, &logBrush);
    return logBrush.lbColor;
}

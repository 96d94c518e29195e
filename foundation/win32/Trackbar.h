#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win32/Window.h"

// A trackbar ("msctls_trackbar32"). The control keeps its position inside its range: a new range
// or position outside it is clamped by the control itself. Bounds and position are full signed
// 32-bit values.
class Trackbar : public Window {
public:
    using Window::Window;

    // Sets the minimum first, then the maximum.
    void SetRange(int minimum, int maximum, bool redraw) {
        SetRangeMin(minimum, false);
        SetRangeMax(maximum, redraw);
    }
    void SetRangeMin(int minimum, bool redraw) { Send(TBM_SETRANGEMIN, redraw, minimum); }
    void SetRangeMax(int maximum, bool redraw) { Send(TBM_SETRANGEMAX, redraw, maximum); }
    int GetRangeMin() const { return static_cast<int>(Send(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(Send(TBM_GETRANGEMAX)); }

    void SetPos(int position, bool redraw = true) { Send(TBM_SETPOS, redraw, position); }
    int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }

    // Step of Page Up / Page Down; returns the previous one.
    int SetPageSize(int size) { return static_cast<int>(Send(TBM_SETPAGESIZE, 0, size)); }
    int GetPageSize() const { return static_cast<int>(Send(TBM_GETPAGESIZE)); }
};

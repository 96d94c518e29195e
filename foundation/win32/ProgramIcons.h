#pragma once

#include <windows.h>

#include "win32/GdiHandles.h"

// A program's icon in the two sizes a window shows: the big one (task switcher, taskbar, the
// minimised dialog) and the small one (caption), each taken from the icon resource's own image of
// the size the system metrics ask for at a DPI, so that none is stretched from another.
class ProgramIcons {
public:
    ProgramIcons() = default;
    // Icon resource id of module at dpi; a size the resource lacks is made from its nearest image.
    ProgramIcons(HINSTANCE module, int id, UINT dpi);

    HICON Big() const { return big_.Get(); }
    HICON Small() const { return small_.Get(); }

private:
    Icon big_;
    Icon small_;
};

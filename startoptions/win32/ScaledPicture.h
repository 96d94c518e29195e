#pragma once

#include <windows.h>

#include "win32/GdiHandles.h"

// One of the program's pictures at a window's display scale. At 96 dpi it is the bitmap drawn
// for that scale, unscaled. At any other DPI it is made from the picture's master, drawn at twice
// the size so that its lettering stays sharp: shrunk with halftone (averaging) for the scales up
// to 200 %, taken as it is at 200 %, and grown beyond. Either way it covers the design size times
// dpi / 96.
class ScaledPicture {
public:
    // The bitmap resources: the picture for 96 dpi and its master.
    ScaledPicture(int designId, int masterId) : designId_(designId), masterId_(masterId) {}

    // Makes the picture for dpi from module's resources. Without the design bitmap there is no
    // picture (Get() is null); without the master the design bitmap is stretched instead.
    void Load(HINSTANCE module, UINT dpi);

    HBITMAP Get() const { return bitmap_.Get(); }
    SIZE Size() const { return size_; }
    // The colour of the picture's bottom-right pixel, its paper: what the area beyond the picture
    // shows, so that no seam divides them. White without a picture.
    COLORREF Paper() const { return paper_; }

private:
    int designId_;
    int masterId_;
    Bitmap bitmap_;
    SIZE size_ = {0, 0};
    COLORREF paper_ = RGB(255, 255, 255);
};

#include "win32/ScaledPicture.h"

#include <utility>

#include "win32/Dpi.h"

namespace {

constexpr UINT kMasterDpi = 2 * kDesignDpi;

HBITMAP LoadBitmapResource(HINSTANCE module, int id) {
    return LoadBitmapA(module, MAKEINTRESOURCEA(id));
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP facts = {};
    GetObjectA(bitmap, sizeof facts, &facts);
    return {facts.bmWidth, facts.bmHeight};
}

// A memory context with a bitmap selected, for as long as it lives.
class SelectedBitmap {
public:
    SelectedBitmap(HDC compatible, HBITMAP bitmap)
        : dc_(CreateCompatibleDC(compatible)), previous_(SelectObject(dc_, bitmap)) {}
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    ~SelectedBitmap() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// source stretched to size with halftone, as a bitmap of the screen's format.
HBITMAP Stretched(HBITMAP source, SIZE size) {
    HDC screen = GetDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(screen, size.cx, size.cy);
    if (target != nullptr) {
        const SIZE from = SizeOf(source);
        SelectedBitmap in(screen, source);
        SelectedBitmap out(screen, target);
        SetStretchBltMode(out.Dc(), HALFTONE);
        SetBrushOrgEx(out.Dc(), 0, 0, nullptr);  // as halftone requires
        StretchBlt(out.Dc(), 0, 0, size.cx, size.cy, in.Dc(), 0, 0, from.cx, from.cy, SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    return target;
}

}  // namespace

void ScaledPicture::Load(HINSTANCE module, UINT dpi) {
    bitmap_.Reset(LoadBitmapResource(module, designId_));
    size_ = bitmap_ ? SizeOf(bitmap_.Get()) : SIZE{0, 0};
    paper_ = RGB(255, 255, 255);
    if (!bitmap_) {
        return;
    }
    if (dpi != kDesignDpi) {
        const SIZE scaled = {ScaleToDpi(size_.cx, dpi), ScaleToDpi(size_.cy, dpi)};
        Bitmap master(LoadBitmapResource(module, masterId_));
        if (master && dpi == kMasterDpi && SizeOf(master.Get()).cx == scaled.cx) {
            bitmap_ = std::move(master);
        } else {
            Bitmap stretched(Stretched(master ? master.Get() : bitmap_.Get(), scaled));
            if (stretched) {
                bitmap_ = std::move(stretched);
            }
        }
        size_ = SizeOf(bitmap_.Get());
    }
    SelectedBitmap picture(nullptr, bitmap_.Get());
    paper_ = GetPixel(picture.Dc(), size_.cx - 1, size_.cy - 1);
}

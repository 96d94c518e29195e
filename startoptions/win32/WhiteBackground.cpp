#include "win32/WhiteBackground.h"

#include "win32/HighContrast.h"

HBRUSH WhiteBackground::Colour(HDC dc) const {
    if (HighContrastOn()) {
        return UseSystemWindowColours(dc);
    }
    SetBkColor(dc, kWhite);
    return brush_.Get();
}

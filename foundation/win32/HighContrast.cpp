#include "win32/HighContrast.h"

#include <atomic>

namespace {

// Set by a test thread, read by the dialog's.
std::atomic<HighContrastAnswer> forced{HighContrastAnswer::kSystem};

bool SystemReportsHighContrast() {
    HIGHCONTRASTW scheme = {};
    scheme.cbSize = sizeof scheme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof scheme, &scheme, 0) != FALSE &&
           (scheme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

bool HighContrastOn() {
    switch (forced.load()) {
        case HighContrastAnswer::kOn:
            return true;
        case HighContrastAnswer::kOff:
            return false;
        case HighContrastAnswer::kSystem:
            break;
    }
    return SystemReportsHighContrast();
}

void ForceHighContrast(HighContrastAnswer answer) {
    forced.store(answer);
}

HBRUSH UseSystemWindowColours(HDC dc) {
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
}

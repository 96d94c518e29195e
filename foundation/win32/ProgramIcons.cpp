#include "win32/ProgramIcons.h"

#include "win32/Dpi.h"

namespace {

HICON LoadIconOfSize(HINSTANCE module, int id, int width, int height) {
    return static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

}  // namespace

ProgramIcons::ProgramIcons(HINSTANCE module, int id, UINT dpi)
    : big_(LoadIconOfSize(module, id, SystemMetricForDpi(SM_CXICON, dpi),
                          SystemMetricForDpi(SM_CYICON, dpi))),
      small_(LoadIconOfSize(module, id, SystemMetricForDpi(SM_CXSMICON, dpi),
                            SystemMetricForDpi(SM_CYSMICON, dpi))) {}

#pragma once

#include <cstdint>

#include "KStr.h"

// A GUID in the layout DirectX reports it (32-bit, two 16-bit fields, eight bytes). Portable, so
// that the catalogue logic can be built and tested without <windows.h>; the DirectDraw layer copies
// Windows' GUID into it field by field.
struct Guid {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {};

    friend bool operator==(const Guid&, const Guid&) = default;
};

// Length of every GuidToText result.
constexpr int kGuidTextLength = 42;

// The text under which adapters and devices are stored and compared (without regard to case):
// "15e65ec0 3b9c 11d2 b9 2f 00 60 97 97 ea 5b", lower-case hexadecimal digits, always 42
// characters.
KStr GuidToText(Guid guid);

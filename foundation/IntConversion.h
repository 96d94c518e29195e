// Saturating conversions to 32-bit integers for stored numbers and edit fields.
//
// Stored numbers are read back as double and truncated; edit fields are read like atoi. Both
// saturate at the int32_t limits instead of overflowing, so a corrupt or hand-edited value can
// never turn into undefined behaviour or wrap to the opposite sign.
#pragma once

#include <cstdint>

// Truncates toward zero; values beyond the range give INT32_MIN or INT32_MAX, NaN gives 0.
int32_t TruncateToInt32(double value);

// Reads like atoi: leading white space, an optional sign, then decimal digits up to the first
// other character. No digits (or a null pointer) give 0; too many give INT32_MIN or INT32_MAX.
int32_t TextToInt32(const char* text);

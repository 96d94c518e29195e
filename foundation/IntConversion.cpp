#include "IntConversion.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

}  // namespace

int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(kMax)) {
        return kMax;
    }
    if (value <= static_cast<double>(kMin)) {
        return kMin;
    }
    return static_cast<int32_t>(value);
}

int32_t TextToInt32(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    // Accumulated as a magnitude that stops growing just past the largest one that fits.
    const int64_t limit = negative ? -static_cast<int64_t>(kMin) : kMax;
    int64_t magnitude = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        if (magnitude <= limit) {
            magnitude = magnitude * 10 + (*text - '0');
        }
    }
    if (magnitude > limit) {
        magnitude = limit;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

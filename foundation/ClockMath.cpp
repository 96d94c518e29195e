#include "ClockMath.h"

#include <climits>
#include <cmath>

namespace {

struct Wide {
    uint64_t high;
    uint64_t low;
};

// Schoolbook multiplication on 32-bit halves: no 128-bit type exists on 32-bit targets.
Wide Multiply(uint64_t a, uint64_t b) {
    const uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32;
    const uint64_t bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
    const uint64_t lowLow = aLow * bLow;
    const uint64_t lowHigh = aLow * bHigh;
    const uint64_t highLow = aHigh * bLow;
    const uint64_t middle = (lowLow >> 32) + (lowHigh & 0xFFFFFFFFu) + (highLow & 0xFFFFFFFFu);
    Wide product;
    product.low = (middle << 32) | (lowLow & 0xFFFFFFFFu);
    product.high = aHigh * bHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
    return product;
}

// Restoring division one bit at a time; only run once per measurement, so speed is no concern.
uint64_t Divide(Wide dividend, uint64_t divisor) {
    uint64_t remainder = 0;
    uint64_t quotient = 0;
    for (int bit = 127; bit >= 0; --bit) {
        const uint64_t next =
            bit >= 64 ? (dividend.high >> (bit - 64)) & 1 : (dividend.low >> bit) & 1;
        const bool carry = (remainder >> 63) != 0;
        remainder = (remainder << 1) | next;
        quotient <<= 1;
        if (carry || remainder >= divisor) {
            remainder -= divisor;
            quotient |= 1;
        }
    }
    return quotient;
}

}  // namespace

uint64_t MultiplyDivide(uint64_t a, uint64_t b, uint64_t c) {
    const Wide product = Multiply(a, b);
    if (product.high >= c) {
        return UINT64_MAX;  // the quotient needs more than 64 bits
    }
    return Divide(product, c);
}

int64_t MeasuredMegahertz(int64_t counterFrequency, int64_t elapsedCycles, int64_t elapsedTicks) {
    if (counterFrequency <= 0 || elapsedCycles <= 0 || elapsedTicks <= 0) {
        return 0;
    }
    const uint64_t hertz =
        MultiplyDivide(static_cast<uint64_t>(counterFrequency),
                       static_cast<uint64_t>(elapsedCycles), static_cast<uint64_t>(elapsedTicks));
    // (hertz + 499999) / 1000000, written so that the sum cannot overflow.
    const uint64_t megahertz = hertz / 1000000 + (hertz % 1000000 > 500000 ? 1 : 0);
    return static_cast<int64_t>(megahertz);
}

int SnapClock(double megahertz) {
    // Candidates in order of preference; a later one wins only when strictly closer.
    const double candidates[] = {
        std::ceil(megahertz * 0.02) * 50,
        std::floor(megahertz * 0.02) * 50,
        std::ceil(megahertz * 0.04) * 25,
        std::floor(megahertz * 0.04) * 25,
        std::ceil(megahertz * 0.030000000003) * 33.33333333,
        std::floor(megahertz * 0.030000000003) * 33.33333333,
    };
    double best = 0;
    double bestDiff = megahertz;
    for (double candidate : candidates) {
        const double diff = std::fabs(candidate - megahertz);
        if (diff < bestDiff) {
            best = candidate;
            bestDiff = diff;
        }
    }
    const double clock = best + 0.19;
    return clock < static_cast<double>(INT_MAX) ? static_cast<int>(clock) : INT_MAX;
}

int64_t CounterToMilliseconds(int64_t counter, int64_t counterFrequency) {
    const int64_t ticksPerMillisecond = counterFrequency / 1000;
    return ticksPerMillisecond > 0 ? counter / ticksPerMillisecond : 0;
}

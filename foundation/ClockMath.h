#pragma once

#include <cstdint>

// Arithmetic of the processor clock measurement and of the millisecond clock, kept apart from
// the counters that feed it so that it can be checked with known figures.

// a * b / c, exact, without losing the product to overflow (128-bit intermediate); c must not
// be 0. A quotient that needs more than 64 bits gives UINT64_MAX.
uint64_t MultiplyDivide(uint64_t a, uint64_t b, uint64_t c);

// Processor clock in whole MHz (rounded half up) from elapsed time-stamp cycles and elapsed
// performance-counter ticks; 0 when no time passed or a counter ran backwards.
int64_t MeasuredMegahertz(int64_t counterFrequency, int64_t elapsedCycles, int64_t elapsedTicks);

// Snaps a measured MHz figure to the nearest nominal clock of the 50, 25 and 33 1/3 MHz
// series; 0 for 0 and below, INT_MAX for figures beyond the int range.
int SnapClock(double megahertz);

// Performance-counter reading in milliseconds (both divisions are integer divisions, the
// second by the frequency in kHz); 0 when the frequency is below 1 kHz.
int64_t CounterToMilliseconds(int64_t counter, int64_t counterFrequency);

#include "win32/KTimer.h"

#include "ClockMath.h"
#include "win32/PerformanceCounter.h"

int64_t KTimer::Milliseconds() {
    return CounterToMilliseconds(PerformanceCounterNow(), PerformanceCounterFrequency());
}

#include "KTimer.h"

#include "ClockMath.h"
#include "PerformanceCounter.h"

int64_t KTimer::Milliseconds() {
    return CounterToMilliseconds(PerformanceCounterNow(), PerformanceCounterFrequency());
}

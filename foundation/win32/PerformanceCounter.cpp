#include "win32/PerformanceCounter.h"

#include <windows.h>

namespace {

// Written once, on first use, on the single thread that the programs run.
int64_t cachedFrequency = 0;

}  // namespace

int64_t PerformanceCounterFrequency() {
    if (cachedFrequency == 0) {
        LARGE_INTEGER frequency;
        if (QueryPerformanceFrequency(&frequency)) {
            cachedFrequency = frequency.QuadPart;
        }
    }
    return cachedFrequency;
}

int64_t PerformanceCounterNow() {
    LARGE_INTEGER counter;
    return QueryPerformanceCounter(&counter) ? counter.QuadPart : 0;
}

#pragma once

#include <cstdint>

// A millisecond clock on the performance counter. Windows only: win32/KTimer.cpp.
class KTimer {
public:
    // Counter reading divided by the counter frequency in kHz; the frequency is queried once
    // per process. 0 on a system without a performance counter.
    static int64_t Milliseconds();
};

#pragma once

#include <cstdint>

// The performance counter, shared by KTimer and KSysInfo.

// Ticks per second, queried once per process; 0 where the system has no such counter.
int64_t PerformanceCounterFrequency();

// The current counter reading; 0 where the system has no such counter.
int64_t PerformanceCounterNow();

#pragma once

#include <cstdint>

// The disk benchmark: times 4 MiB of unbuffered writes and 64 random 8 KiB reads of a scratch
// file in the root of the program's drive, and rates the time 0..100. The file is deleted again.
// A root that can't be written, or a transfer that fails, rates 0: nothing was measured.
int32_t MeasureDiskSpeed();

// The same on a scratch file of the caller's choosing.
int32_t MeasureDiskSpeedOn(const char* filePath);

#pragma once

#include "DiskBenchmark.h"

// The disk benchmark: times 4 MiB of unbuffered writes and 64 random 8 KiB reads of a scratch
// file in the root of the program's drive or share, the writes and the reads apart; DiskRating
// rates the whole time 0..100. The file is deleted again. Where the root can't take the file, the
// temporary folder does if it lies on the same drive; where neither can, or a transfer fails, the
// rating is 0: nothing was measured, and ZeroCauseOf tells which.
DiskMeasurement MeasureDiskSpeed();

// The same on a scratch file of the caller's choosing, its path in UTF-8.
DiskMeasurement MeasureDiskSpeedOn(const char* filePath);

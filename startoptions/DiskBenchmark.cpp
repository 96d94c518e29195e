#include "DiskBenchmark.h"

#include <algorithm>
#include <cstring>

KStr DiskTestFilePath(const char* programPath) {
    const char* separator = std::strpbrk(programPath, "/\\");
    if (separator == nullptr) {
        return KStr();
    }
    KStr root = KStr(programPath).Left(static_cast<int>(separator - programPath) + 1);
    return root + kDiskTestFileName;
}

int32_t DiskRatingFromElapsed(int64_t elapsedMs) {
    // Clamping the time first keeps the subtraction in range for any reading.
    int64_t ms = std::clamp<int64_t>(elapsedMs, 0, 1500);
    return static_cast<int32_t>(std::min<int64_t>((1500 - ms) * 100 / 1000, 100));
}

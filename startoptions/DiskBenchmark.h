#pragma once

#include <cstdint>

#include "KStr.h"

// The portable half of the disk benchmark: where the scratch file goes, which blocks are read
// back, and how the elapsed time becomes a rating. win32/MeasureDiskSpeed does the transfers.

constexpr const char* kDiskTestFileName = "krumbeltestfile.tmp";
constexpr int kDiskTestBlockSize = 65536;  // one write, and the buffer
constexpr int kDiskTestWrites = 64;        // 4 MiB in all
constexpr int kDiskTestReadSize = 8192;
constexpr int kDiskTestReads = 64;

// The root of the drive or network share that holds path, in its plain form with backslashes:
// "C:\" for "C:\Games\x", "C:/Games/x" and "\\?\C:\Games\x"; "\\server\share\" for
// "\\server\share\x", "//server/share/x" and "\\?\UNC\server\share\x"; "\\?\Volume{...}\" for a
// volume without a drive letter, which has no other form. Empty when there is no root to name (no
// separator, or a share path without a share). Paths may be UTF-8: only ASCII is looked at.
KStr DiskTestRoot(const char* path);

// The scratch file in the root of the drive that holds the program. Empty when there is no root.
KStr DiskTestFilePath(const char* programPath);

// Where the scratch file goes when the root can't take it (a standard user may not create files in
// the root of the system drive): the temporary folder, if it lies on the program's drive or share,
// since only that disk is to be measured. Empty otherwise, and when it is the root itself.
KStr DiskTestFallbackPath(const char* programPath, const char* temporaryFolder);

// The classic C library generator (seed 1 by default): state = state * 214013 + 2531011 modulo
// 2^32, each draw (state >> 16) & 0x7FFF. Reproduced here because runtimes' rand() differ, and
// the benchmark must read the same blocks everywhere.
class ClassicRandom {
public:
    explicit ClassicRandom(uint32_t seed = 1) : state_(seed) {}
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    uint32_t state_;
};

// Offset of a random read: a multiple of 8 KiB inside the 4 MiB written.
inline uint32_t DiskTestReadOffset(int draw) {
    return static_cast<uint32_t>(draw & 0x1FF) * kDiskTestReadSize;
}

// 500 ms or less rate 100, 1500 ms or more 0, linear in between (truncated).
int32_t DiskRatingFromElapsed(int64_t elapsedMs);

// What one run of the disk test found. The times are performance-counter readings, so that the
// writes and the reads can be told apart even where each takes less than a millisecond.
struct DiskMeasurement {
    KStr folder;            // where the scratch file was written (UTF-8); empty when nowhere
    bool complete = false;  // every write and every read moved all its bytes
    int64_t start = 0;      // before the first write
    int64_t written = 0;    // after the last write, before the first read
    int64_t end = 0;        // after the last read
    int64_t frequency = 0;  // counter ticks per second
};

// The rating of a complete run from the whole span, writes and reads together, counted in
// milliseconds as the millisecond clock counts them; 0 for a run that did not complete.
int32_t DiskRating(const DiskMeasurement& measurement);

// Why a disk rates 0; kNone when it doesn't.
enum class DiskZeroCause {
    kNone,
    kNothingWritten,  // no place on the program's drive took the scratch file
    kTransferFailed,  // a write or a read moved fewer bytes than asked
    kTooSlow,         // the whole span came to 0 points
};
DiskZeroCause ZeroCauseOf(const DiskMeasurement& measurement);

// Whole MB (MiB) per second of the writes and of the reads; 0 without a counter frequency.
int32_t WriteThroughput(const DiskMeasurement& measurement);
int32_t ReadThroughput(const DiskMeasurement& measurement);

// The folder of a file path, up to and including its last slash or backslash.
KStr FolderOf(const char* path);

#include "DiskBenchmark.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "ClockMath.h"

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

constexpr uint64_t kMebibyte = 1048576;
constexpr uint64_t kBytesWritten = uint64_t{kDiskTestWrites} * kDiskTestBlockSize;
constexpr uint64_t kBytesRead = uint64_t{kDiskTestReads} * kDiskTestReadSize;

// MiB per second for bytes moved in ticks; a span shorter than one tick counts as one.
int32_t Throughput(uint64_t bytes, int64_t ticks, int64_t frequency) {
    if (frequency <= 0) {
        return 0;
    }
    const uint64_t span = static_cast<uint64_t>(std::max<int64_t>(ticks, 1));
    const uint64_t perSecond = MultiplyDivide(bytes, static_cast<uint64_t>(frequency), span);
    return static_cast<int32_t>(std::min<uint64_t>(perSecond / kMebibyte, INT32_MAX));
}

// Whether text starts with "\\?\" or "\\.\" (either separator): a path that names the root
// in the form the system passes on unchanged.
bool HasDevicePrefix(const char* text) {
    return IsSeparator(text[0]) && IsSeparator(text[1]) && (text[2] == '?' || text[2] == '.') &&
           IsSeparator(text[3]);
}

bool StartsWithUncSegment(const char* text) {
    return KStr(text).Left(3).CompareNoCase("UNC") == 0 && IsSeparator(text[3]);
}

bool IsDriveSegment(const char* text) {
    return text[0] != '\0' && text[1] == ':' && IsSeparator(text[2]);
}

// The root of path and the text that follows it. The root is in its plain form with
// backslashes: "C:\", "\\server\share\", or "\\?\Volume{...}\" for a volume without a
// drive letter. Empty when there is no root to name.
struct SplitPath {
    KStr root;
    const char* rest = "";
};

// Appends the next count segments of text to split.root, each with a backslash; false when one
// is empty or lacks its separator.
bool TakeSegments(const char* text, int count, SplitPath& split) {
    for (int i = 0; i < count; ++i) {
        const char* separator = std::strpbrk(text, "/\\");
        if (separator == nullptr || separator == text) {
            return false;
        }
        split.root += KStr(text).Left(static_cast<int>(separator - text));
        split.root += "\\";
        text = separator + 1;
    }
    split.rest = text;
    return true;
}

SplitPath SplitRoot(const char* path) {
    SplitPath split;
    const char* text = path;
    int segments = 1;  // "C:"
    if (HasDevicePrefix(text)) {
        text += 4;
        if (StartsWithUncSegment(text)) {
            text += 4;
            split.root = "\\\\";
            segments = 2;  // server and share
        } else if (!IsDriveSegment(text)) {
            split.root = "\\\\?\\";  // a volume name stands only in this form
        }
    } else if (IsSeparator(text[0]) && IsSeparator(text[1])) {
        text += 2;
        split.root = "\\\\";
        segments = 2;
    }
    return TakeSegments(text, segments, split) ? split : SplitPath{};
}

}  // namespace

KStr DiskTestRoot(const char* path) {
    return SplitRoot(path).root;
}

KStr DiskTestFilePath(const char* programPath) {
    KStr root = DiskTestRoot(programPath);
    return root.Length() > 0 ? root + kDiskTestFileName : root;
}

KStr DiskTestFallbackPath(const char* programPath, const char* temporaryFolder) {
    KStr root = DiskTestRoot(programPath);
    SplitPath folder = SplitRoot(temporaryFolder);
    if (root.Length() == 0 || folder.root.CompareNoCase(root.Text()) != 0) {
        return KStr();
    }
    if (std::strspn(folder.rest, "/\\") == std::strlen(folder.rest)) {
        return KStr();  // the root itself, which has just failed
    }
    KStr file(temporaryFolder);
    if (!IsSeparator(file.GetAt(file.Length() - 1))) {
        file += "\\";
    }
    return file + kDiskTestFileName;
}

int32_t DiskRatingFromElapsed(int64_t elapsedMs) {
    // Clamping the time first keeps the subtraction in range for any reading.
    int64_t ms = std::clamp<int64_t>(elapsedMs, 0, 1500);
    return static_cast<int32_t>(std::min<int64_t>((1500 - ms) * 100 / 1000, 100));
}

int32_t DiskRating(const DiskMeasurement& m) {
    if (!m.complete) {
        return 0;
    }
    // Two readings of the millisecond clock, as the rating has always been taken.
    return DiskRatingFromElapsed(CounterToMilliseconds(m.end, m.frequency) -
                                 CounterToMilliseconds(m.start, m.frequency));
}

DiskZeroCause ZeroCauseOf(const DiskMeasurement& m) {
    if (m.folder.Length() == 0) {
        return DiskZeroCause::kNothingWritten;
    }
    if (!m.complete) {
        return DiskZeroCause::kTransferFailed;
    }
    return DiskRating(m) == 0 ? DiskZeroCause::kTooSlow : DiskZeroCause::kNone;
}

int32_t WriteThroughput(const DiskMeasurement& m) {
    return Throughput(kBytesWritten, m.written - m.start, m.frequency);
}

int32_t ReadThroughput(const DiskMeasurement& m) {
    return Throughput(kBytesRead, m.end - m.written, m.frequency);
}

KStr FolderOf(const char* path) {
    const char* last = nullptr;
    for (const char* c = path; *c != '\0'; ++c) {
        if (IsSeparator(*c)) {
            last = c;
        }
    }
    return last != nullptr ? KStr(path).Left(static_cast<int>(last + 1 - path)) : KStr();
}

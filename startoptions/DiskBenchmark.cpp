#include "DiskBenchmark.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The text after the separator that ends the next path segment, from text on; null without one.
const char* AfterSegment(const char* text) {
    const char* separator = std::strpbrk(text, "/\\");
    return separator != nullptr ? separator + 1 : nullptr;
}

}  // namespace

KStr DiskTestRoot(const char* path) {
    const char* end = nullptr;
    if (IsSeparator(path[0]) && IsSeparator(path[1])) {
        const char* share = AfterSegment(path + 2);  // past "\\server\"
        end = share != nullptr && !IsSeparator(*share) ? AfterSegment(share) : nullptr;
    } else {
        end = AfterSegment(path);
    }
    return end != nullptr ? KStr(path).Left(static_cast<int>(end - path)) : KStr();
}

KStr DiskTestFilePath(const char* programPath) {
    KStr root = DiskTestRoot(programPath);
    return root.Length() > 0 ? root + kDiskTestFileName : root;
}

KStr DiskTestFallbackPath(const char* programPath, const char* temporaryFolder) {
    KStr root = DiskTestRoot(programPath);
    KStr folder(temporaryFolder);
    if (root.Length() == 0 || DiskTestRoot(temporaryFolder).CompareNoCase(root.Text()) != 0) {
        return KStr();
    }
    if (!IsSeparator(folder.GetAt(folder.Length() - 1))) {
        folder += "\\";
    }
    if (folder.CompareNoCase(root.Text()) == 0) {
        return KStr();  // the root itself, which has just failed
    }
    return folder + kDiskTestFileName;
}

int32_t DiskRatingFromElapsed(int64_t elapsedMs) {
    // Clamping the time first keeps the subtraction in range for any reading.
    int64_t ms = std::clamp<int64_t>(elapsedMs, 0, 1500);
    return static_cast<int32_t>(std::min<int64_t>((1500 - ms) * 100 / 1000, 100));
}

// A C stream that closes itself. Close() reports whether the last buffered bytes reached the
// file, which writers need to know before they call a file complete.
#pragma once

#include <cstdio>

class StdioFile {
public:
    StdioFile(const char* path, const char* mode) : f_(fopen(path, mode)) {}
    ~StdioFile() { Close(); }
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;

    bool IsOpen() const { return f_ != nullptr; }
    FILE* Get() const { return f_; }

    // Closes the stream; false when it wasn't open or flushing failed.
    bool Close() {
        if (f_ == nullptr) {
            return false;
        }
        bool flushed = fclose(f_) == 0;
        f_ = nullptr;
        return flushed;
    }

private:
    FILE* f_;
};

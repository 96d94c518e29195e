#include "win32/MeasureDiskSpeed.h"

#include <windows.h>

#include <optional>
#include <string>

#include "DiskBenchmark.h"
#include "win32/KTimer.h"

namespace {

// Paths reach the portable rules as UTF-8 and the system through the W functions, so that every
// character of every user's folder names survives: the A functions turn characters outside the
// code page into "?", and the temporary folder of a user named in Greek under a Western code page
// could then not be written.
KStr ToUtf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    return KStr(utf8.c_str());
}

std::wstring FromUtf8(const char* text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(size > 0 ? static_cast<size_t>(size) : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), size);
    return wide;
}

// The scratch file, open for the benchmark only; closed when it goes out of scope.
class ScratchFile {
public:
    explicit ScratchFile(const wchar_t* path)
        : handle_(CreateFileW(
              path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_NO_BUFFERING | FILE_FLAG_RANDOM_ACCESS, nullptr)) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        if (IsOpen()) {
            CloseHandle(handle_);
        }
    }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    bool Write(const void* data, DWORD size) {
        DWORD written = 0;
        return WriteFile(handle_, data, size, &written, nullptr) && written == size;
    }

    bool ReadAt(uint32_t offset, void* data, DWORD size) {
        if (SetFilePointer(handle_, static_cast<LONG>(offset), nullptr, FILE_BEGIN) ==
            INVALID_SET_FILE_POINTER) {
            return false;
        }
        DWORD read = 0;
        return ReadFile(handle_, data, size, &read, nullptr) && read == size;
    }

private:
    HANDLE handle_;
};

// The transfer buffer. Unbuffered transfers need sector alignment; whole pages satisfy every
// sector size, and fresh pages are zero-filled.
class TransferBuffer {
public:
    TransferBuffer()
        : data_(VirtualAlloc(nullptr, kDiskTestBlockSize, MEM_COMMIT | MEM_RESERVE,
                             PAGE_READWRITE)) {}
    TransferBuffer(const TransferBuffer&) = delete;
    TransferBuffer& operator=(const TransferBuffer&) = delete;
    ~TransferBuffer() {
        if (data_ != nullptr) {
            VirtualFree(data_, 0, MEM_RELEASE);
        }
    }

    void* Data() const { return data_; }

private:
    void* data_;
};

// The timed part: 64 sequential block writes, then 64 reads at the generator's offsets.
// False as soon as a transfer fails: the time then says nothing about the disk.
bool RunTransfers(ScratchFile& file, void* buffer) {
    for (int i = 0; i < kDiskTestWrites; ++i) {
        if (!file.Write(buffer, kDiskTestBlockSize)) {
            return false;
        }
    }
    ClassicRandom random(1);
    for (int i = 0; i < kDiskTestReads; ++i) {
        if (!file.ReadAt(DiskTestReadOffset(random.Next()), buffer, kDiskTestReadSize)) {
            return false;
        }
    }
    return true;
}

// The rating measured on the scratch file at filePath (UTF-8), which is deleted again; none when
// the file can't be opened at all (another place may still take it).
std::optional<int32_t> RateScratchFile(const char* filePath) {
    TransferBuffer buffer;
    if (buffer.Data() == nullptr || filePath[0] == '\0') {
        return std::nullopt;
    }
    const std::wstring path = FromUtf8(filePath);
    int64_t elapsed = 0;
    bool complete = false;
    {
        ScratchFile file(path.c_str());
        if (!file.IsOpen()) {
            return std::nullopt;
        }
        int64_t start = KTimer::Milliseconds();
        complete = RunTransfers(file, buffer.Data());
        elapsed = KTimer::Milliseconds() - start;
    }
    DeleteFileW(path.c_str());
    return complete ? DiskRatingFromElapsed(elapsed) : 0;
}

KStr TemporaryFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length > 0 && length <= MAX_PATH ? ToUtf8(folder) : KStr();
}

// The program's own path; empty when it can't be had whole. Paths with the "\\?\" prefix may be
// longer than MAX_PATH.
KStr ProgramPath() {
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return length > 0 && length < path.size() ? ToUtf8(path.c_str()) : KStr();
}

}  // namespace

int32_t MeasureDiskSpeedOn(const char* filePath) {
    return RateScratchFile(filePath).value_or(0);
}

int32_t MeasureDiskSpeed() {
    const KStr programPath = ProgramPath();
    if (programPath.Length() == 0) {
        return 0;
    }
    if (std::optional<int32_t> rating =
            RateScratchFile(DiskTestFilePath(programPath.Text()).Text())) {
        return *rating;
    }
    KStr fallback = DiskTestFallbackPath(programPath.Text(), TemporaryFolder().Text());
    return MeasureDiskSpeedOn(fallback.Text());
}

#include "win32/MeasureDiskSpeed.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "win32/PerformanceCounter.h"
#include "win32/WideText.h"

namespace {

// Paths reach the portable rules as UTF-8 and the system through the W functions, so that every
// character of every user's folder names survives: the A functions turn characters outside the
// code page into "?", and the temporary folder of a user named in Greek under a Western code page
// could then not be written.
KStr ToUtf8(std::wstring_view text) {
    return KStr(NarrowText(text, TextOrigin::kUtf8).c_str());
}

std::wstring FromUtf8(const char* text) {
    return WideText(text, TextOrigin::kUtf8);
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

bool WriteBlocks(ScratchFile& file, const void* buffer) {
    for (int i = 0; i < kDiskTestWrites; ++i) {
        if (!file.Write(buffer, kDiskTestBlockSize)) {
            return false;
        }
    }
    return true;
}

bool ReadBlocks(ScratchFile& file, void* buffer) {
    ClassicRandom random(1);
    for (int i = 0; i < kDiskTestReads; ++i) {
        if (!file.ReadAt(DiskTestReadOffset(random.Next()), buffer, kDiskTestReadSize)) {
            return false;
        }
    }
    return true;
}

// The timed part: 64 sequential block writes, then 64 reads at the generator's offsets, with a
// counter reading before, between and after. Incomplete as soon as a transfer fails: the time
// then says nothing about the disk.
void RunTransfers(ScratchFile& file, void* buffer, DiskMeasurement& measurement) {
    measurement.frequency = PerformanceCounterFrequency();
    measurement.start = PerformanceCounterNow();
    const bool written = WriteBlocks(file, buffer);
    measurement.written = PerformanceCounterNow();
    measurement.complete = written && ReadBlocks(file, buffer);
    measurement.end = PerformanceCounterNow();
}

// The measurement on the scratch file at filePath (UTF-8), which is deleted again; none when the
// file can't be opened at all (another place may still take it).
std::optional<DiskMeasurement> MeasureScratchFile(const char* filePath) {
    TransferBuffer buffer;
    if (buffer.Data() == nullptr || filePath[0] == '\0') {
        return std::nullopt;
    }
    const std::wstring path = FromUtf8(filePath);
    DiskMeasurement measurement;
    {
        ScratchFile file(path.c_str());
        if (!file.IsOpen()) {
            return std::nullopt;
        }
        measurement.folder = FolderOf(filePath);
        RunTransfers(file, buffer.Data(), measurement);
    }
    DeleteFileW(path.c_str());
    return measurement;
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
    return length > 0 && length < path.size() ? ToUtf8(std::wstring_view(path.data(), length))
                                              : KStr();
}

}  // namespace

DiskMeasurement MeasureDiskSpeedOn(const char* filePath) {
    return MeasureScratchFile(filePath).value_or(DiskMeasurement{});
}

DiskMeasurement MeasureDiskSpeed() {
    const KStr programPath = ProgramPath();
    if (programPath.Length() == 0) {
        return DiskMeasurement{};
    }
    if (std::optional<DiskMeasurement> measured =
            MeasureScratchFile(DiskTestFilePath(programPath.Text()).Text())) {
        return *measured;
    }
    KStr fallback = DiskTestFallbackPath(programPath.Text(), TemporaryFolder().Text());
    return MeasureDiskSpeedOn(fallback.Text());
}

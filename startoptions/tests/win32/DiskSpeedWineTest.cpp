// The disk benchmark on a real file system: Wine's C: drive, and (run by readonly-root.sh) a drive
// whose root can't be written.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "DiskBenchmark.h"
#include "Localisation.h"
#include "RatingFigures.h"
#include "win32/MeasureDiskSpeed.h"
#include "win32/WideFigures.h"

namespace {

KStr ScratchPath() {
    char program[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    return DiskTestFilePath(program);
}

bool Exists(const KStr& path) {
    return GetFileAttributesA(path.Text()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadOnlyRootRun() {
    return std::getenv("KRUMBEL_READONLY_ROOT") != nullptr;
}

class MeasureDiskSpeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (ReadOnlyRootRun()) {
            GTEST_SKIP() << "this run checks the read-only root only";
        }
    }
};

TEST_F(MeasureDiskSpeedTest, RunsInTheProgramsDriveRootAndLeavesNothingBehind) {
    KStr path = ScratchPath();
    ASSERT_EQ(path.Find("krumbeltestfile.tmp"), 3) << path.Text() << ": not in a drive root";
    DiskMeasurement disk = MeasureDiskSpeed();
    EXPECT_GT(DiskRating(disk), 0) << "4 MiB on C: take under 1.5 s";
    EXPECT_STREQ(disk.folder.Text(), path.Left(3).Text());
    // The writes, then the reads, each timed on its own; the rating takes both together.
    EXPECT_LE(disk.start, disk.written);
    EXPECT_LE(disk.written, disk.end);
    EXPECT_GT(WriteThroughput(disk), 0);
    EXPECT_GT(ReadThroughput(disk), 0);
    EXPECT_FALSE(Exists(path)) << path.Text();
}

TEST_F(MeasureDiskSpeedTest, ExistingScratchFileIsOverwrittenAndDeleted) {
    KStr path = ScratchPath();
    HANDLE file = CreateFileA(path.Text(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "left over", 9, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(Exists(path));

    EXPECT_TRUE(MeasureDiskSpeed().complete);
    EXPECT_FALSE(Exists(path));
}

TEST_F(MeasureDiskSpeedTest, FileThatCantBeCreatedRatesZero) {
    for (const char* path : {"C:\\no such folder\\krumbeltestfile.tmp", ""}) {
        DiskMeasurement disk = MeasureDiskSpeedOn(path);
        EXPECT_EQ(DiskRating(disk), 0) << path;
        EXPECT_EQ(ZeroCauseOf(disk), DiskZeroCause::kNothingWritten) << path;
    }
}

void UseTemporaryFolder(const wchar_t* folder) {
    SetEnvironmentVariableW(L"TMP", folder);
    SetEnvironmentVariableW(L"TEMP", folder);
}

// Run by readonly-root.sh from drive R:, whose root folder is immutable; R:\tmp can be written,
// R:\locked can't. A standard user's system drive on today's Windows is like this.
TEST(MeasureDiskSpeedReadOnlyRoot, RatedInTheTemporaryFolderOfTheSameDriveOnly) {
    if (!ReadOnlyRootRun()) {
        GTEST_SKIP() << "needs a read-only drive root (readonly-root.sh)";
    }
    KStr path = ScratchPath();
    ASSERT_STREQ(path.Text(), "R:\\krumbeltestfile.tmp");
    HANDLE file = CreateFileA("R:\\probe.tmp", GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileA("R:\\probe.tmp");
        FAIL() << "the root of R: is writable after all";
    }

    UseTemporaryFolder(L"R:\\tmp\\");
    DiskMeasurement inTemporary = MeasureDiskSpeed();
    EXPECT_GT(DiskRating(inTemporary), 0) << "4 MiB in the temporary folder take under 1.5 s";
    EXPECT_STREQ(inTemporary.folder.Text(), "R:\\tmp\\");
    EXPECT_FALSE(Exists("R:\\tmp\\krumbeltestfile.tmp"));

    // A user named in Greek, where the code page is Western.
    const wchar_t* greek = L"R:\\tmp\\\u0395\u03bb\u03ad\u03bd\u03b7\\";
    ASSERT_TRUE(CreateDirectoryW(greek, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    UseTemporaryFolder(greek);
    const DiskMeasurement inGreek = MeasureDiskSpeed();
    EXPECT_GT(DiskRating(inGreek), 0) << "a folder named outside the code page";
    // The figures name it as it is, in the words of any language.
    const std::wstring figures = WideFigures(RatingFiguresOf(kFrench, RatingInputs{}, inGreek));
    EXPECT_NE(figures.find(L" Mo/s, dans " + std::wstring(greek) + L"\n"), std::wstring::npos);
    EXPECT_EQ(GetFileAttributesW((std::wstring(greek) + L"krumbeltestfile.tmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
    RemoveDirectoryW(greek);

    UseTemporaryFolder(L"R:\\locked");
    EXPECT_EQ(ZeroCauseOf(MeasureDiskSpeed()), DiskZeroCause::kNothingWritten)
        << "nothing on R: can be written";

    wchar_t cDrive[MAX_PATH];
    GetWindowsDirectoryW(cDrive, MAX_PATH);
    UseTemporaryFolder(cDrive);
    EXPECT_EQ(ZeroCauseOf(MeasureDiskSpeed()), DiskZeroCause::kNothingWritten)
        << "another drive's speed says nothing about R:";
    EXPECT_EQ(GetFileAttributesW((std::wstring(cDrive) + L"\\krumbeltestfile.tmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(Exists(path));
}

}  // namespace

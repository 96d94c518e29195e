// The disk benchmark on a real file system: Wine's C: drive, and (run by readonly-root.sh) a drive
// whose root can't be written.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "DiskBenchmark.h"
#include "MeasureDiskSpeed.h"

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
    int32_t rating = MeasureDiskSpeed();
    EXPECT_GE(rating, 0);
    EXPECT_LE(rating, 100);
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

    int32_t rating = MeasureDiskSpeed();
    EXPECT_GE(rating, 0);
    EXPECT_FALSE(Exists(path));
}

TEST_F(MeasureDiskSpeedTest, FileThatCantBeCreatedRatesZero) {
    EXPECT_EQ(MeasureDiskSpeedOn("C:\\no such folder\\krumbeltestfile.tmp"), 0);
    EXPECT_EQ(MeasureDiskSpeedOn(""), 0);
}

// Run by readonly-root.sh from a drive whose root folder is immutable.
TEST(MeasureDiskSpeedReadOnlyRoot, RatesZero) {
    if (!ReadOnlyRootRun()) {
        GTEST_SKIP() << "needs a read-only drive root (readonly-root.sh)";
    }
    KStr path = ScratchPath();
    KStr probe = KStr(path).Left(3) + "probe.tmp";
    HANDLE file = CreateFileA(probe.Text(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileA(probe.Text());
        FAIL() << "the root of " << path.Text() << " is writable after all";
    }
    EXPECT_EQ(MeasureDiskSpeed(), 0);
    EXPECT_FALSE(Exists(path));
}

}  // namespace

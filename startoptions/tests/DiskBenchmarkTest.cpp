#include <gtest/gtest.h>

#include "DiskBenchmark.h"

namespace {

TEST(DiskBenchmark, ClassicGeneratorSequence) {
    ClassicRandom random;
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int draw : expected) {
        EXPECT_EQ(random.Next(), draw);
    }
}

TEST(DiskBenchmark, ReadOffsetsStayInsideTheWrittenFile) {
    EXPECT_EQ(DiskTestReadOffset(41), 41u * 8192);
    EXPECT_EQ(DiskTestReadOffset(18467), (18467u & 0x1FF) * 8192);
    ClassicRandom random;
    for (int i = 0; i < 1000; ++i) {
        uint32_t offset = DiskTestReadOffset(random.Next());
        EXPECT_EQ(offset % kDiskTestReadSize, 0u);
        EXPECT_LE(offset + kDiskTestReadSize,
                  static_cast<uint32_t>(kDiskTestWrites) * kDiskTestBlockSize);
    }
}

TEST(DiskBenchmark, ScratchFileLandsInTheProgramsDriveRootWhateverThePathsForm) {
    const char* cases[][2] = {
        {"C:\\Games\\Krumbel\\Quorvel.exe", "C:\\krumbeltestfile.tmp"},
        {"D:\\Quorvel.exe", "D:\\krumbeltestfile.tmp"},
        {"Z:/work/build/Quorvel.exe", "Z:\\krumbeltestfile.tmp"},
        {"\\\\?\\C:\\Games\\Quorvel.exe", "C:\\krumbeltestfile.tmp"},
        {"//?/c:/Games/Quorvel.exe", "c:\\krumbeltestfile.tmp"},
        {"\\\\?\\Volume{1b3b}\\Quorvel.exe", "\\\\?\\Volume{1b3b}\\krumbeltestfile.tmp"},
        {"\\\\server\\share\\Games\\Quorvel.exe", "\\\\server\\share\\krumbeltestfile.tmp"},
        {"//server/share/Quorvel.exe", "\\\\server\\share\\krumbeltestfile.tmp"},
        {"\\\\?\\UNC\\server\\share\\Quorvel.exe", "\\\\server\\share\\krumbeltestfile.tmp"},
        {"\\\\?\\unc/server/share/Quorvel.exe", "\\\\server\\share\\krumbeltestfile.tmp"},
        {"\\\\?\\UNC\\server\\Quorvel.exe", ""},  // no share
        {"\\\\server\\Quorvel.exe", ""},
        {"\\\\server\\\\Quorvel.exe", ""},
        {"Quorvel.exe", ""},
        {"", ""},
    };
    for (const auto& [program, file] : cases) {
        EXPECT_STREQ(DiskTestFilePath(program).Text(), file) << program;
    }
}

TEST(DiskBenchmark, FallbackOnlyInATemporaryFolderOfTheSameDriveOrShare) {
    const char* program = "C:\\Games\\Quorvel.exe";
    const char* share = "\\\\srv\\games\\Krumbel\\Quorvel.exe";
    const char* cases[][3] = {
        {program, "C:\\Users\\Ann\\AppData\\Local\\Temp\\",
         "C:\\Users\\Ann\\AppData\\Local\\Temp\\krumbeltestfile.tmp"},
        {program, "c:\\TEMP", "c:\\TEMP\\krumbeltestfile.tmp"},
        {program, "\\\\?\\C:\\Temp\\", "\\\\?\\C:\\Temp\\krumbeltestfile.tmp"},
        {"\\\\?\\C:\\Games\\Quorvel.exe", "C:\\Temp\\", "C:\\Temp\\krumbeltestfile.tmp"},
        {program, "D:\\Temp\\", ""},
        {program, "C:\\", ""},  // the root, which just failed
        {program, "\\\\?\\C:\\", ""},
        {program, "", ""},
        {share, "\\\\SRV\\Games\\tmp\\", "\\\\SRV\\Games\\tmp\\krumbeltestfile.tmp"},
        {share, "\\\\?\\UNC\\srv\\games\\tmp\\",
         "\\\\?\\UNC\\srv\\games\\tmp\\krumbeltestfile.tmp"},
        {share, "\\\\srv\\other\\tmp\\", ""},
        {share, "\\\\?\\UNC\\other\\share\\tmp\\", ""},  // another share, not "\\?\UNC\"
        {"\\\\?\\UNC\\srv\\games\\Quorvel.exe", "\\\\?\\UNC\\other\\share\\", ""},
        {share, "C:\\Temp\\", ""},
        {"Quorvel.exe", "C:\\Temp\\", ""},
    };
    for (const auto& [path, temporary, file] : cases) {
        EXPECT_STREQ(DiskTestFallbackPath(path, temporary).Text(), file)
            << path << " " << temporary;
    }
}

TEST(DiskBenchmark, RatingFromElapsedTime) {
    const int64_t cases[][2] = {{0, 100},   {500, 100},     {501, 99},       {1000, 50},
                                {1234, 26}, {1499, 0},      {1500, 0},       {99999, 0},
                                {-20, 100}, {INT64_MAX, 0}, {INT64_MIN, 100}};
    for (const auto& [ms, rating] : cases) {
        EXPECT_EQ(DiskRatingFromElapsed(ms), rating) << ms << " ms";
    }
}

// A run on a 10 MHz counter: writes and reads took the milliseconds given.
DiskMeasurement TimedRun(int64_t writeMs, int64_t readMs, bool complete = true) {
    DiskMeasurement m;
    m.folder = "C:\\";
    m.complete = complete;
    m.frequency = 10000000;
    m.start = 123456789;  // not on a millisecond boundary
    m.written = m.start + writeMs * 10000;
    m.end = m.written + readMs * 10000;
    return m;
}

TEST(DiskBenchmark, WritesAndReadsAreTimedApartAndRatedTogether) {
    DiskMeasurement m = TimedRun(400, 100);
    EXPECT_EQ(WriteThroughput(m), 10);  // 4 MiB in 0.4 s
    EXPECT_EQ(ReadThroughput(m), 5);    // 512 KiB in 0.1 s
    EXPECT_EQ(DiskRating(m), 100);
    EXPECT_EQ(DiskRating(TimedRun(1000, 234)), 26);
    EXPECT_EQ(ZeroCauseOf(TimedRun(1000, 234)), DiskZeroCause::kNone);

    // Spans shorter than a millisecond still give a figure; a span of no ticks counts as one.
    m = TimedRun(0, 0);
    m.written += 2000;  // 0.2 ms
    m.end = m.written;
    EXPECT_EQ(WriteThroughput(m), 20000);
    EXPECT_EQ(ReadThroughput(m), 5000000);
    m.frequency = 0;  // no counter
    EXPECT_EQ(WriteThroughput(m), 0);
}

TEST(DiskBenchmark, ZeroRatingNamesItsCauseAndFolder) {
    EXPECT_EQ(ZeroCauseOf(DiskMeasurement{}), DiskZeroCause::kNothingWritten);
    EXPECT_EQ(DiskRating(DiskMeasurement{}), 0);
    EXPECT_EQ(ZeroCauseOf(TimedRun(10, 10, false)), DiskZeroCause::kTransferFailed);
    EXPECT_EQ(DiskRating(TimedRun(10, 10, false)), 0);
    EXPECT_EQ(ZeroCauseOf(TimedRun(1400, 100)), DiskZeroCause::kTooSlow);
    EXPECT_EQ(ZeroCauseOf(TimedRun(1400, 91)),
              DiskZeroCause::kTooSlow);  // 0.9 points truncate to 0
    EXPECT_EQ(ZeroCauseOf(TimedRun(1400, 89)), DiskZeroCause::kNone);
    EXPECT_STREQ(FolderOf("C:\\Users\\Ann\\Temp\\krumbeltestfile.tmp").Text(),
                 "C:\\Users\\Ann\\Temp\\");
    EXPECT_STREQ(FolderOf("krumbeltestfile.tmp").Text(), "");
}

}  // namespace

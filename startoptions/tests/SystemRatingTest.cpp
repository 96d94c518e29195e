#include <gtest/gtest.h>

#include "SystemRating.h"

namespace {

constexpr uint64_t kMiB = 1048576;

TEST(SystemRating, ProcessorRating) {
    const int cases[][2] = {{0, 0},      {349, 0},    {350, 1}, {775, 50},
                            {1200, 100}, {2000, 100}, {-5, 0},  {INT32_MAX, 100}};
    for (const auto& [mhz, rating] : cases) {
        EXPECT_EQ(RateCpu(mhz), rating) << mhz << " MHz";
    }
}

TEST(SystemRating, MemoryRatingRoundsUpToWholeMebibytes) {
    const struct {
        uint64_t bytes;
        int rating;
    } cases[] = {
        {20 * kMiB, 1},    {19 * kMiB + kMiB / 2, 1}, {19 * kMiB, 0},    {120 * kMiB, 50},
        {220 * kMiB, 100}, {4096 * kMiB, 100},        {UINT64_MAX, 100}, {0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RateMemory(c.bytes), c.rating) << c.bytes << " bytes";
    }
    EXPECT_EQ(WholeMebibytes(UINT64_MAX), UINT64_MAX / kMiB + 1);
}

TEST(SystemRating, GraphicsRatingFromTextureMemoryAndTnL) {
    const struct {
        uint64_t bytes;
        bool tnl;
        int rating;  // after the clamp
    } cases[] = {
        {16 * kMiB, false, 24},    {32 * kMiB, false, 56},  {32 * kMiB, true, 84},
        {4 * kMiB, false, 0},      {2 * kMiB, false, 0},    {0, true, 0},
        {4289724415u, false, 100},  // what Wine reports: close to 4 GiB
        {4289724415u, true, 100},  {UINT64_MAX, true, 100},
    };
    for (const auto& c : cases) {
        RatingInputs in;
        in.largestTextureMemory = c.bytes;
        in.anyHardwareTnL = c.tnl;
        EXPECT_EQ(ComputeRatings(in).ratingGfx, c.rating) << c.bytes << " bytes, TnL " << c.tnl;
    }
    EXPECT_EQ(RateGraphics(2 * kMiB, false), -4) << "clamped only by ComputeRatings";
}

TEST(SystemRating, AverageAndFramerate) {
    RatingInputs none;
    SystemRatings zero = ComputeRatings(none);
    EXPECT_EQ(zero.ratingAverage, 0);
    EXPECT_EQ(zero.recommendedFramerate, 10);

    RatingInputs top;
    top.clockMhz = 3000;
    top.availableMemory = 1024 * kMiB;
    top.largestTextureMemory = 256 * kMiB;
    top.ratingDisk = 100;
    SystemRatings full = ComputeRatings(top);
    EXPECT_EQ(full.ratingCpu, 100);
    EXPECT_EQ(full.ratingMem, 100);
    EXPECT_EQ(full.ratingGfx, 100);
    EXPECT_EQ(full.ratingAverage, 100);
    EXPECT_EQ(full.recommendedFramerate, 26);

    EXPECT_EQ(RecommendedFramerate(1000), 40);  // the slider's top
}

// What the program proposes for four ratings, each worked out by hand from the rating rules:
// disk weight w = 700 - 6 mem; average = (disk w + 600 cpu + 400 gfx + 1200 mem) / (w + 2200);
// frame rate 10 + 8 average / 50; objects (3 average + 50) / 100; texture 5 (mem + gfx + 10) / 200;
// landscape (4 (3 average + gfx) + 50) / 400; levels clamped to 0..2 and 0..4.
// The program tests take these rules as settled and check that the program applies them.
TEST(SystemRating, ProposalWorkedByHand) {
    const struct {
        int cpu, mem, gfx, disk;
        int average, framerate, objects, texture, landscape;
    } cases[] = {
        // w 700: 0 / 2900.
        {0, 0, 0, 0, 0, 10, 0, 0, 0},
        // w 100: 230000 / 2300 = 100; objects 3.5, texture 5.25, landscape 4.1 before the clamp.
        {100, 100, 100, 100, 100, 26, 2, 4, 2},
        // w 400: 130000 / 2600 = 50; texture 550 / 200 = 2; landscape 850 / 400 = 2.
        {50, 50, 50, 50, 50, 18, 2, 2, 2},
        // w 580: 55600 / 2780 = 20; landscape 370 / 400 = 0 (the documented example).
        {20, 20, 20, 20, 20, 13, 1, 1, 0},
        // Memory 0, the disk weighs 700 of 2900: 70000 / 2900 = 24.1; frame rate 10 + 192 / 50.
        {0, 0, 0, 100, 24, 13, 1, 0, 0},
        // Memory 100, the disk weighs 100 of 2300: 120000 / 2300 = 52.2; landscape 674 / 400.
        {0, 100, 0, 0, 52, 18, 2, 2, 1},
        // w 700: 130000 / 2900 = 44.8; objects 182 / 100; landscape 578 / 400.
        {100, 0, 0, 100, 44, 17, 1, 0, 1},
        // w 340: 125200 / 2540 = 49.3; texture 630 / 200 = 3; landscape 862 / 400 = 2.
        {40, 60, 56, 20, 49, 17, 1, 3, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpu << " " << c.mem << " " << c.gfx << " " << c.disk);
        SystemRatings r;
        r.ratingCpu = c.cpu;
        r.ratingMem = c.mem;
        r.ratingGfx = c.gfx;
        r.ratingDisk = c.disk;
        r.ratingAverage = AverageRating(c.cpu, c.mem, c.gfx, c.disk);
        EXPECT_EQ(r.ratingAverage, c.average);
        EXPECT_EQ(RecommendedFramerate(r.ratingAverage), c.framerate);
        Presets p = RecommendedPresets(r);
        EXPECT_EQ(p.objects, c.objects);
        EXPECT_EQ(p.texture, c.texture);
        EXPECT_EQ(p.landscape, c.landscape);
    }
}

TEST(SystemRating, DiskRatingIsClampedIntoRange) {
    RatingInputs in;
    in.ratingDisk = 250;
    EXPECT_EQ(ComputeRatings(in).ratingDisk, 100);
    in.ratingDisk = -3;
    EXPECT_EQ(ComputeRatings(in).ratingDisk, 0);
}

TEST(SystemRating, RecommendedPresets) {
    const struct {
        int average, mem, gfx;
        int objects, texture, landscape;
    } cases[] = {
        {50, 60, 56, 2, 3, 2},
        {20, 20, 20, 1, 1, 0},
        {0, 0, 0, 0, 0, 0},
        {100, 100, 100, 2, 4, 2},  // 3, 5 and 4 before the clamp
    };
    for (const auto& c : cases) {
        SystemRatings r;
        r.ratingAverage = c.average;
        r.ratingMem = c.mem;
        r.ratingGfx = c.gfx;
        Presets p = RecommendedPresets(r);
        EXPECT_EQ(p.objects, c.objects) << c.average;
        EXPECT_EQ(p.texture, c.texture) << c.average;
        EXPECT_EQ(p.landscape, c.landscape) << c.average;
        EXPECT_STREQ(p.language.Text(), "de");
    }
}

TEST(SystemRating, SummaryText) {
    SystemRatings r;
    r.ratingCpu = 100;
    r.ratingMem = 7;
    r.ratingGfx = 56;
    r.ratingDisk = 0;
    r.ratingAverage = 42;
    KStr text = RatingSummaryText("Windows XP Service Pack 3", "German", "Intel Pentium III 733",
                                  256 * kMiB - 655360, r);
    EXPECT_STREQ(text.Text(),
                 "Windows XP Service Pack 3 German\nIntel Pentium III 733\n256 MB RAM\n"
                 "System Rating:\nCPU:100  RAM:007  GFX:056  HDD:000  Avg:042");
}

TEST(SystemRating, SummaryMemoryRoundsAt640KiBWithoutOverflow) {
    SystemRatings r;
    const struct {
        uint64_t bytes;
        const char* line;
    } cases[] = {
        {256 * kMiB - 655361, "\n255 MB RAM\n"},
        {256 * kMiB - 655360, "\n256 MB RAM\n"},
        {0xFFFFFFFFu, "\n4096 MB RAM\n"},  // a 32-bit count would wrap here
        {8192 * kMiB, "\n8192 MB RAM\n"},
        // Today's machines, as the 64-bit memory query reports them.
        {24ull << 30, "\n24576 MB RAM\n"},
        {(64ull << 30) - 4096, "\n65536 MB RAM\n"},
        {1ull << 40, "\n1048576 MB RAM\n"},
    };
    for (const auto& c : cases) {
        KStr text = RatingSummaryText("OS", "English", "CPU", c.bytes, r);
        EXPECT_GE(text.Find(c.line), 0) << text.Text();
        EXPECT_EQ(RateMemory(c.bytes), 100) << c.bytes;
    }
}

TEST(SystemRating, GraphicsInputsComeFromTheWholeCatalogue) {
    DisplayCatalogue adapters;
    EXPECT_EQ(ComputeRatings(1200, 256 * kMiB, adapters, 80).ratingGfx, 0) << "no adapter";
    AdapterInfo& small = adapters.Append();
    small.textureMemory = 16 * kMiB;
    small.usable = true;
    AdapterInfo& large = adapters.Append();
    large.textureMemory = 32 * kMiB;  // not usable, still counts
    large.devices.Append().hardwareTnL = true;
    EXPECT_EQ(LargestTextureMemory(adapters), 32 * kMiB);
    EXPECT_TRUE(AnyHardwareTnL(adapters));
    SystemRatings r = ComputeRatings(1200, 256 * kMiB, adapters, 80);
    EXPECT_EQ(r.ratingGfx, 84);
    EXPECT_EQ(r.ratingCpu, 100);
    EXPECT_EQ(r.ratingMem, 100);
    EXPECT_EQ(r.ratingDisk, 80);
}

}  // namespace

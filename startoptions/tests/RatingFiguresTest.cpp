#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Localisation.h"
#include "RatingFigures.h"

namespace {

constexpr uint64_t kMiB = 1048576;

RatingInputs Inputs() {
    RatingInputs in;
    in.clockMhz = 2400;
    in.availableMemory = 20480 * kMiB - 1;  // rounds up, as the rating counts it
    in.largestTextureMemory = 4289724415u;  // Wine's figure: 4091 MB
    in.anyHardwareTnL = true;
    return in;
}

// 4 MiB written in 50 ms, 512 KiB read in 4 ms, on a 10 MHz counter.
DiskMeasurement Measured(const char* folder) {
    DiskMeasurement disk;
    disk.folder = folder;
    disk.complete = true;
    disk.frequency = 10000000;
    disk.written = 500000;
    disk.end = 540000;
    return disk;
}

// The figures with the folder in its place, as the screen shows them where both are ASCII.
std::string Joined(const RatingFigures& figures) {
    std::string text = figures.text.Text();
    return text.insert(static_cast<size_t>(figures.folderAt), figures.folder.Text());
}

std::string FiguresText(int language, const DiskMeasurement& disk) {
    return Joined(RatingFiguresOf(language, Inputs(), disk));
}

TEST(RatingFigures, FiguresBehindEachRating) {
    EXPECT_EQ(FiguresText(kEnglish, Measured("C:\\")),
              "Processor: 2400 MHz\n"
              "Available memory: 20480 MB\n"
              "Texture memory: 4091 MB, hardware transform and lighting: yes (every graphics card "
              "counts, also those the game can't use)\n"
              "Disk: writing 80 MB/s, reading 125 MB/s, in C:\\\n"
              "Average: memory counts most, then processor, graphics and disk.");
    EXPECT_EQ(FiguresText(kJapanese, Measured("C:\\")), "");
    EXPECT_EQ(FiguresText(-1, Measured("C:\\")), "");
}

// The folder stays out of the words, in its own code page, wherever the language names it.
TEST(RatingFigures, FolderKeepsItsOwnCodePage) {
    const char* greek = "R:\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\";
    const RatingFigures french = RatingFiguresOf(kFrench, Inputs(), Measured(greek));
    EXPECT_STREQ(french.folder.Text(), greek);
    const std::string text = french.text.Text();
    EXPECT_EQ(text.substr(0, static_cast<size_t>(french.folderAt)).substr(text.rfind("\nDisque")),
              "\nDisque : \xE9"
              "criture 80 Mo/s, lecture 125 Mo/s, dans ");
    EXPECT_EQ(text.find(greek), std::string::npos);
    const RatingFigures slow = RatingFiguresOf(kFrench, Inputs(), DiskMeasurement{});
    EXPECT_STREQ(slow.folder.Text(), "") << "a disk that rated 0 names no folder";
}

std::string DiskLineOf(const DiskMeasurement& disk) {
    std::string text = FiguresText(kEnglish, disk);
    const size_t third = text.find('\n', text.find('\n', text.find('\n') + 1) + 1);
    return text.substr(third + 1, text.rfind('\n') - third - 1);
}

TEST(RatingFigures, ZeroRatedDiskSaysWhyInsteadOfItsFigures) {
    DiskMeasurement failed = Measured("C:\\");
    failed.complete = false;
    DiskMeasurement slow = Measured("C:\\");
    slow.end = 15000000;  // 1.5 s in all
    EXPECT_EQ(DiskLineOf(DiskMeasurement{}),
              "Disk rated 0: nothing could be written on the program's drive.");
    EXPECT_EQ(DiskLineOf(failed),
              "Disk rated 0: the test file could not be written or read completely.");
    EXPECT_EQ(DiskLineOf(slow), "Disk rated 0: the test took too long.");
}

// Every language's formats take the figures in the same order: a text that disagrees with the
// figures handed to it would print garbage or crash.
TEST(RatingFigures, EveryLanguageTakesTheSameFigures) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        const RatingFigureTexts* t = RatingFigureTextsOf(language);
        ASSERT_NE(t, nullptr);
        std::string conversions;
        for (const char* text :
             {t->processor, t->memory, t->graphics, t->yes, t->no, t->disk, t->diskNothingWritten,
              t->diskTransferFailed, t->diskTooSlow, t->average}) {
            for (const char* c = std::strchr(text, '%'); c != nullptr;
                 c = std::strchr(c + 2, '%')) {
                conversions += c[1];
            }
            conversions += '|';
        }
        EXPECT_EQ(conversions, "d|d|ds|||dds|||||") << language;
    }
}

}  // namespace

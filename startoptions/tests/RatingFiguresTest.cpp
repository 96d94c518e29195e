#include <gtest/gtest.h>

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

TEST(RatingFigures, FiguresInTheDialogsLanguage) {
    EXPECT_STREQ(RatingFiguresText(kEnglish, Inputs(), Measured("C:\\")).Text(),
                 "Processor: 2400 MHz\n"
                 "Available memory: 20480 MB\n"
                 "Texture memory: 4091 MB, hardware transform and lighting: yes\n"
                 "Disk: writing 80 MB/s, reading 125 MB/s, in C:\\\n"
                 "Average: memory counts most, then processor, graphics and disk.");
    RatingInputs noTnL = Inputs();
    noTnL.anyHardwareTnL = false;
    EXPECT_STREQ(RatingFiguresText(kGerman, noTnL, Measured("C:\\Temp\\")).Text(),
                 "Prozessor: 2400 MHz\n"
                 "Freier Arbeitsspeicher: 20480 MB\n"
                 "Texturspeicher: 4091 MB, Hardware-Transformation und -Beleuchtung: nein\n"
                 "Festplatte: schreiben 80 MB/s, lesen 125 MB/s, in C:\\Temp\\\n"
                 "Durchschnitt: Der Arbeitsspeicher z\xE4"
                 "hlt am meisten, dann Prozessor, Grafik und Festplatte.");
    EXPECT_STREQ(RatingFiguresText(kJapanese, Inputs(), Measured("C:\\")).Text(), "");
    EXPECT_STREQ(RatingFiguresText(-1, Inputs(), Measured("C:\\")).Text(), "");
}

std::string DiskLineOf(int language, const DiskMeasurement& disk) {
    std::string text = RatingFiguresText(language, Inputs(), disk).Text();
    const size_t third = text.find('\n', text.find('\n', text.find('\n') + 1) + 1);
    return text.substr(third + 1, text.rfind('\n') - third - 1);
}

TEST(RatingFigures, ZeroRatedDiskSaysWhyInsteadOfItsFigures) {
    DiskMeasurement failed = Measured("C:\\");
    failed.complete = false;
    DiskMeasurement slow = Measured("C:\\");
    slow.end = 15000000;  // 1.5 s in all
    EXPECT_EQ(DiskLineOf(kEnglish, DiskMeasurement{}),
              "Disk rated 0: nothing could be written on the program's drive.");
    EXPECT_EQ(DiskLineOf(kEnglish, failed),
              "Disk rated 0: the test file could not be written or read completely.");
    EXPECT_EQ(DiskLineOf(kEnglish, slow), "Disk rated 0: the test took too long.");
    EXPECT_EQ(DiskLineOf(kFrench, slow), "Disque not\xE9 0 : le test a dur\xE9 trop longtemps.");
}

// The conversions of every language's formats, in order: a text that disagrees with the figures
// handed to it would print garbage or crash.
std::string Conversions(const char* format) {
    std::string found;
    for (const char* c = format; *c != '\0'; ++c) {
        if (*c == '%') {
            found += *++c;
        }
    }
    return found;
}

TEST(RatingFigures, EveryLanguageTakesTheSameFigures) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        const RatingFigureTexts* t = RatingFigureTextsOf(language);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(Conversions(t->processor), "d") << language;
        EXPECT_EQ(Conversions(t->memory), "d") << language;
        EXPECT_EQ(Conversions(t->graphics), "ds") << language;
        EXPECT_EQ(Conversions(t->disk), "dds") << language;
        for (const char* plain : {t->yes, t->no, t->diskNothingWritten, t->diskTransferFailed,
                                  t->diskTooSlow, t->average}) {
            EXPECT_EQ(Conversions(plain), "") << language << " " << plain;
        }
    }
    EXPECT_EQ(RatingFigureTextsOf(kJapanese), nullptr);
}

TEST(RatingFigures, CopyTextEndsEveryLineWithCrLf) {
    EXPECT_STREQ(
        RatingCopyText("Windows 11 German\nCPU:100", "Prozessor: 2400 MHz\nDurchschnitt").Text(),
        "Windows 11 German\r\nCPU:100\r\n\r\nProzessor: 2400 MHz\r\nDurchschnitt\r\n");
}

}  // namespace

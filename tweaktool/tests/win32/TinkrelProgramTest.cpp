// Tinkrel.exe itself under Wine, driven from this process as a user would drive it, against the
// registry of the private prefix. The program's path is the last argument (a path of this
// machine, which Wine reaches through drive Z:), given by the test registration.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "TestKey.h"
#include "TinkrelDriver.h"

namespace {

using namespace std::chrono_literals;

// The game's settings key below the vendor's, set up and checked apart from the program.
const TestKey kVendorKey("Software\\Harnwick");
const TestKey kSettings(kVendorKey.Sub("Krumbel"));

// List rows: the header, then the parameters in table order.
constexpr int kHeader = 0;
constexpr int kDIPYieldThreshold = 3;
constexpr int kGameSaveCompression = 4;
constexpr int kMinThreadSleep = 8;
constexpr int kShowFMV = 14;
constexpr int kTexVideoMemLimit = 16;
constexpr int kThreadPriority = 17;
constexpr int kWebServer = 20;

std::wstring ProgramPath() {
    const char* path = __argc > 1 ? __argv[__argc - 1] : "";
    return WindowsPathOf(std::strncmp(path, "--gtest", 7) == 0 ? "" : path);
}

class TinkrelProgramTest : public ::testing::Test {
protected:
    TinkrelProgramTest() { kVendorKey.Delete(); }
    ~TinkrelProgramTest() override { kVendorKey.Delete(); }

    // Stores a setting before the program starts.
    static void Store(const char* group, const char* name, const char* text) {
        ASSERT_EQ(kSettings.SetText(group, name, text), ERROR_SUCCESS) << group << "\\" << name;
    }
    void Start() { ASSERT_TRUE(tinkrel_.Start(ProgramPath())) << "no Tinkrel dialog appeared"; }

    // True once list row shows text: the poll takes a moved slider within a timer period; the
    // wait allows for a slow machine.
    bool RowBecomes(int row, const std::string& text) {
        return WaitFor([&] { return tinkrel_.Row(row) == text; });
    }
    // Waits a few poll periods, for checks that something does not happen.
    static void LetThePollRun() { Sleep(150); }

    TinkrelDriver tinkrel_;
};

TEST_F(TinkrelProgramTest, WithoutSettingsEveryValueIsZeroAndNothingIsCreated) {
    Start();
    ASSERT_EQ(tinkrel_.RowCount(), 21);
    EXPECT_EQ(tinkrel_.Text(0), "Tinkrel");
    EXPECT_EQ(tinkrel_.Row(kHeader), "Name\tMin\tMax\tCurrent\tDefault");
    EXPECT_EQ(tinkrel_.Row(1), "AnimInterpolation\t0\t1\t0\t1");
    EXPECT_EQ(tinkrel_.Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t0\t20000");
    EXPECT_EQ(tinkrel_.Row(kWebServer), "WebServer\t0\t1\t0\t0");
    // Nothing selected yet: the controls keep the texts of the dialog template.
    EXPECT_EQ(tinkrel_.SelectedRow(), LB_ERR);
    EXPECT_EQ(tinkrel_.Text(IDC_DEFAULT), "Default");
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset");
    EXPECT_EQ(tinkrel_.Text(IDC_DESCRIPTION), "");
    EXPECT_EQ(tinkrel_.SliderMin(), 0);
    EXPECT_EQ(tinkrel_.SliderMax(), 1);
    EXPECT_EQ(tinkrel_.SliderPos(), 0);

    tinkrel_.Press(IDC_LOAD);
    EXPECT_EQ(tinkrel_.Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t0\t20000");
    ASSERT_TRUE(tinkrel_.Close(IDCANCEL));
    EXPECT_EQ(tinkrel_.ExitCode(), 0u);
    EXPECT_FALSE(kVendorKey.HasKey(""));
}

TEST_F(TinkrelProgramTest, StoredTextsAreTruncatedAndSaturated) {
    Store("Performance", "TexVideoMemLimit", "8192.9");
    Store("Misc", "MinThreadSleep", "-3.7");
    Store("Misc", "DIPYieldThreshold", "1e10");
    Store("Misc", "ShowFMV", "yes");
    Store("Misc", "GameSaveCompression", "-1e10");
    Start();
    EXPECT_EQ(tinkrel_.Row(kTexVideoMemLimit), "TexVideoMemLimit\t1024\t32768\t8192\t4096");
    EXPECT_EQ(tinkrel_.Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t-3\t2");
    EXPECT_EQ(tinkrel_.Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t2147483647\t20000");
    EXPECT_EQ(tinkrel_.Row(kShowFMV), "ShowFMV\t0\t1\t0\t1");
    EXPECT_EQ(tinkrel_.Row(kGameSaveCompression), "GameSaveCompression\t0\t9\t-2147483648\t7");

    tinkrel_.SelectRow(kTexVideoMemLimit);
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (8192)");
    EXPECT_EQ(tinkrel_.Text(IDC_VALUE), "8192");
}

TEST_F(TinkrelProgramTest, SelectingShowsTheParameterAndTheHeaderEmptiesEverything) {
    Store("Misc", "DIPYieldThreshold", "20000");
    Start();
    tinkrel_.SelectRow(kDIPYieldThreshold);
    EXPECT_EQ(tinkrel_.Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
    EXPECT_EQ(tinkrel_.Text(IDC_DEFAULT), "Default (20000)");
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (20000)");
    EXPECT_EQ(tinkrel_.Text(IDC_MINIMUM), "1");
    EXPECT_EQ(tinkrel_.Text(IDC_MAXIMUM), "40000");
    EXPECT_EQ(tinkrel_.Text(IDC_CURRENT), "20000");
    EXPECT_EQ(tinkrel_.Text(IDC_VALUE), "20000");
    EXPECT_EQ(tinkrel_.Text(IDC_DESCRIPTION),
              "DIPYieldThreshold\nYield CPU after every [DIPYieldThreshold] drawn polygons");
    EXPECT_EQ(tinkrel_.SliderMin(), 1);
    EXPECT_EQ(tinkrel_.SliderMax(), 40000);
    EXPECT_EQ(tinkrel_.SliderPos(), 20000);

    tinkrel_.SelectRow(kHeader);
    for (int id : {IDC_CURRENT, IDC_VALUE, IDC_MINIMUM, IDC_MAXIMUM, IDC_DEFAULT, IDC_RESET,
                   IDC_DESCRIPTION}) {
        EXPECT_EQ(tinkrel_.Text(id), "") << "control " << id;
    }
    EXPECT_EQ(tinkrel_.SliderMin(), 0);
    EXPECT_EQ(tinkrel_.SliderMax(), 0);
    EXPECT_EQ(tinkrel_.SliderPos(), 0);
    // With no parameter selected, Default, Reset and the value field do nothing.
    tinkrel_.Press(IDC_DEFAULT);
    tinkrel_.Press(IDC_RESET);
    tinkrel_.Type("0");
    LetThePollRun();
    EXPECT_EQ(tinkrel_.SliderPos(), 0);
    EXPECT_EQ(tinkrel_.Row(1), "AnimInterpolation\t0\t1\t0\t1");
}

TEST_F(TinkrelProgramTest, TypedValueMovesTheSliderOnlyWithinTheRange) {
    Store("Performance", "TexVideoMemLimit", "4096");
    Start();
    tinkrel_.SelectRow(kTexVideoMemLimit);

    for (const char* refused : {"500", "99999999999", "32769"}) {
        tinkrel_.Type(refused);
        LetThePollRun();
        EXPECT_EQ(tinkrel_.SliderPos(), 4096) << refused;
        EXPECT_EQ(tinkrel_.Row(kTexVideoMemLimit), "TexVideoMemLimit\t1024\t32768\t4096\t4096");
        EXPECT_EQ(tinkrel_.Text(IDC_VALUE), refused) << "the field keeps what was typed";
    }

    tinkrel_.Type("2048");
    EXPECT_EQ(tinkrel_.SliderPos(), 2048);
    EXPECT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    EXPECT_EQ(tinkrel_.Text(IDC_CURRENT), "2048");
    EXPECT_EQ(tinkrel_.SelectedRow(), kTexVideoMemLimit) << "the rebuilt list keeps the row";

    // Beyond 32 bits a typed number saturates; wrapped, this one would be 5 and in range.
    tinkrel_.SelectRow(kGameSaveCompression);
    tinkrel_.Type("4294967301");
    LetThePollRun();
    EXPECT_EQ(tinkrel_.SliderPos(), 0);
    EXPECT_EQ(tinkrel_.Row(kGameSaveCompression), "GameSaveCompression\t0\t9\t0\t7");
}

TEST_F(TinkrelProgramTest, ValueFieldWithTheFocusKeepsTheTextBeingTyped) {
    Start();
    tinkrel_.SelectRow(kTexVideoMemLimit);
    tinkrel_.FocusValueField();
    ASSERT_TRUE(tinkrel_.ValueFieldHasFocus());
    tinkrel_.Type("02048");
    EXPECT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    EXPECT_EQ(tinkrel_.Text(IDC_VALUE), "02048");
    EXPECT_EQ(tinkrel_.Text(IDC_CURRENT), "2048");
}

TEST_F(TinkrelProgramTest, SelectingSavingAndLoadingChangeNoValue) {
    Store("Misc", "ThreadPriority", "7");       // above its range 0..2: the slider shows 2
    Store("Misc", "GameSaveCompression", "2");  // leaves the slider standing at 2
    Start();  // MinThreadSleep: nothing stored, so 0, below its range 2..500
    // The slider stands, before each out-of-range row, at its bound or elsewhere.
    for (int row : {kHeader, kThreadPriority, kGameSaveCompression, kThreadPriority,
                    kMinThreadSleep, kTexVideoMemLimit, kMinThreadSleep, kThreadPriority}) {
        tinkrel_.SelectRow(row);
        LetThePollRun();
    }
    tinkrel_.Click(IDC_SAVE);
    tinkrel_.Press(IDC_LOAD);
    LetThePollRun();
    EXPECT_EQ(tinkrel_.Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    EXPECT_EQ(tinkrel_.Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t0\t2");
    EXPECT_EQ(kSettings.Get("Misc", "ThreadPriority"), SzValue("7"));
    EXPECT_EQ(kSettings.Get("Misc", "MinThreadSleep").status, ERROR_FILE_NOT_FOUND);

    // Reset brings back a stored value that the slider can only show at its bound; Default
    // takes the default also where the slider already shows it.
    tinkrel_.MoveSlider(0);
    ASSERT_TRUE(RowBecomes(kThreadPriority, "ThreadPriority\t0\t2\t0\t1"));
    tinkrel_.Press(IDC_RESET);
    EXPECT_EQ(tinkrel_.Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    tinkrel_.SelectRow(kMinThreadSleep);
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (0)");
    tinkrel_.Press(IDC_DEFAULT);
    EXPECT_EQ(tinkrel_.Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t2\t2");
}

TEST_F(TinkrelProgramTest, DefaultAndResetMoveTheSliderAndThePollTheValue) {
    Store("Misc", "DIPYieldThreshold", "300");
    Start();
    tinkrel_.SelectRow(kDIPYieldThreshold);
    tinkrel_.Press(IDC_DEFAULT);
    EXPECT_EQ(tinkrel_.SliderPos(), 20000);
    EXPECT_TRUE(RowBecomes(kDIPYieldThreshold, "DIPYieldThreshold\t1\t40000\t20000\t20000"));
    EXPECT_EQ(tinkrel_.Text(IDC_VALUE), "20000");

    tinkrel_.Press(IDC_DEFAULT);  // already there: nothing changes
    LetThePollRun();
    EXPECT_EQ(tinkrel_.Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");

    tinkrel_.Press(IDC_RESET);
    EXPECT_EQ(tinkrel_.SliderPos(), 300);
    EXPECT_TRUE(RowBecomes(kDIPYieldThreshold, "DIPYieldThreshold\t1\t40000\t300\t20000"));
}

TEST_F(TinkrelProgramTest, ClosingInAnyWayStoresNothing) {
    for (int closer : {IDCANCEL, IDOK, 0}) {
        SCOPED_TRACE(closer == IDCANCEL ? "Quit" : closer == IDOK ? "Enter" : "close box");
        kVendorKey.Delete();
        Store("Misc", "ThreadPriority", "1");
        TinkrelDriver tinkrel;
        ASSERT_TRUE(tinkrel.Start(ProgramPath()));
        tinkrel.SelectRow(kThreadPriority);
        tinkrel.MoveSlider(2);
        ASSERT_TRUE(
            WaitFor([&] { return tinkrel.Row(kThreadPriority) == "ThreadPriority\t0\t2\t2\t1"; }));

        ASSERT_TRUE(tinkrel.Close(closer));
        EXPECT_EQ(kSettings.Get("Misc", "ThreadPriority"), SzValue("1"));
        EXPECT_EQ(kSettings.ValueCount("Misc"), 1);
        EXPECT_FALSE(kSettings.HasKey("Performance"));
    }
}

TEST_F(TinkrelProgramTest, SaveStoresStoredAndChangedValuesAndKeepsTheOtherSettings) {
    Store("Performance", "MaxFramerate", "25");
    Store("Performance", "RatingCpu", "80");
    Store("Screen", "Width", "1024");
    Store("Misc", "ThreadPriority", "7");  // out of range, and left alone
    Store("Misc", "GameSaveCompression", "3");
    Start();
    tinkrel_.SelectRow(kShowFMV);  // not stored yet, and set to its default by the player
    tinkrel_.Press(IDC_DEFAULT);
    tinkrel_.SelectRow(kGameSaveCompression);
    tinkrel_.MoveSlider(9);
    ASSERT_TRUE(RowBecomes(kGameSaveCompression, "GameSaveCompression\t0\t9\t9\t7"));
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (3)");

    tinkrel_.Click(IDC_SAVE);

    EXPECT_EQ(kSettings.Get("Misc", "GameSaveCompression"), SzValue("9"));
    EXPECT_EQ(kSettings.Get("Misc", "ThreadPriority"), SzValue("7"));
    EXPECT_EQ(kSettings.Get("Misc", "ShowFMV"), SzValue("1"));
    // What was never stored nor changed stays missing: the game keeps its own defaults.
    EXPECT_EQ(kSettings.Get("Misc", "MinThreadSleep").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kSettings.Get("Performance", "TexVideoMemLimit").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kSettings.Get("Performance", "Particles").status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kSettings.Get("Performance", "MaxFramerate"), SzValue("25"));
    EXPECT_EQ(kSettings.Get("Performance", "RatingCpu"), SzValue("80"));
    EXPECT_EQ(kSettings.Get("Screen", "Width"), SzValue("1024"));
    EXPECT_EQ(kSettings.ValueCount("Misc"), 3 + 1);  // and the key's empty default value
    EXPECT_EQ(kSettings.ValueCount("Performance"), 2 + 1);

    // The read-back shows what was stored; the selection stays.
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (9)");
    EXPECT_EQ(tinkrel_.SelectedRow(), kGameSaveCompression);
    EXPECT_EQ(tinkrel_.Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    tinkrel_.Press(IDC_RESET);
    LetThePollRun();
    EXPECT_EQ(tinkrel_.SliderPos(), 9);
    ASSERT_TRUE(tinkrel_.Close(IDCANCEL));
    EXPECT_EQ(kSettings.Get("Misc", "GameSaveCompression"), SzValue("9"));
}

TEST_F(TinkrelProgramTest, LoadReplacesUnsavedChangesAndKeepsTheSelection) {
    Store("Performance", "MaxShadowLightDist", "8");
    Start();
    constexpr int kMaxShadowLightDist = 7;
    tinkrel_.SelectRow(kMaxShadowLightDist);
    tinkrel_.MoveSlider(20);
    ASSERT_TRUE(RowBecomes(kMaxShadowLightDist, "MaxShadowLightDist\t0\t25\t20\t8"));
    Store("Performance", "MaxShadowLightDist", "12");  // another program stores

    tinkrel_.Press(IDC_LOAD);

    EXPECT_EQ(tinkrel_.Row(kMaxShadowLightDist), "MaxShadowLightDist\t0\t25\t12\t8");
    EXPECT_EQ(tinkrel_.SelectedRow(), kMaxShadowLightDist);
    EXPECT_EQ(tinkrel_.SliderPos(), 12);
    EXPECT_EQ(tinkrel_.Text(IDC_RESET), "Reset (12)");
    EXPECT_EQ(tinkrel_.Text(IDC_VALUE), "12");
}

TEST_F(TinkrelProgramTest, KeyThatMayOnlyBeReadShowsItsValuesAndSaveChangesNothing) {
    Store("Misc", "ThreadPriority", "2");
    ReadOnlyKey readOnly(kSettings.Path());
    ASSERT_TRUE(readOnly.Applied());
    Start();
    tinkrel_.SelectRow(kThreadPriority);
    tinkrel_.MoveSlider(0);
    ASSERT_TRUE(RowBecomes(kThreadPriority, "ThreadPriority\t0\t2\t0\t1"));

    tinkrel_.Click(IDC_SAVE);

    // The read-back shows what the store still holds.
    EXPECT_EQ(tinkrel_.Row(kThreadPriority), "ThreadPriority\t0\t2\t2\t1");
    EXPECT_EQ(kSettings.Get("Misc", "ThreadPriority"), SzValue("2"));
    EXPECT_EQ(kSettings.ValueCount("Misc"), 1);
}

// Run by reg-query.sh, which prepares the settings with Wine's `reg add` and checks the result
// with `reg query`: GameSaveCompression set to 9 and saved.
TEST(TinkrelScripted, DISABLED_SaveGameSaveCompressionNine) {
    TinkrelDriver tinkrel;
    ASSERT_TRUE(tinkrel.Start(ProgramPath()));
    tinkrel.SelectRow(kGameSaveCompression);
    tinkrel.MoveSlider(9);
    ASSERT_TRUE(WaitFor(
        [&] { return tinkrel.Row(kGameSaveCompression) == "GameSaveCompression\t0\t9\t9\t7"; }));
    tinkrel.Click(IDC_SAVE);
    ASSERT_TRUE(tinkrel.Close(IDCANCEL));
}

}  // namespace

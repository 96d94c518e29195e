// Tinkrel.exe itself under Wine, driven from this process as a user would drive it, against the
// registry of the private prefix. The test registration puts Tinkrel.exe beside this program.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "res/TweakDialogRes.h"
#include "support/InitHold.h"
#include "support/ProgramDriver.h"
#include "support/SettingsKey.h"

namespace {

// Every value below the settings key as path and text; another type shows as its number.
std::map<std::string, std::string> StoredTexts() {
    std::map<std::string, std::string> texts;
    for (const auto& [path, value] : StoredSettings()) {
        texts[path] = value.type == REG_SZ ? TextOf(value) : "type " + std::to_string(value.type);
    }
    return texts;
}

// List rows: the header, then the parameters in table order.
constexpr int kHeader = 0;
constexpr int kDIPYieldThreshold = 3;
constexpr int kGameSaveCompression = 4;
constexpr int kLightGlow = 6;
constexpr int kMaxShadowLightDist = 7;
constexpr int kMinThreadSleep = 8;
constexpr int kShowFMV = 14;
constexpr int kTexVideoMemLimit = 16;
constexpr int kThreadPriority = 17;
constexpr int kWebServer = 20;

// Tinkrel.exe started and its dialog driven, against whatever the settings key holds.
class TinkrelRun : public ::testing::Test {
protected:
    void Start() {
        tinkrel_ = std::make_unique<ProgramDriver>(ProgramBeside(L"Tinkrel.exe"));
        dialog_ = tinkrel_->WaitDialog();
        ASSERT_TRUE(dialog_) << "no Tinkrel dialog appeared";
    }
    // Starts it held right after its initialisation (InitHold): until hold_ releases it, the
    // dialog answers what this test sends, and its own timer doesn't tick.
    void StartHeld() {
        tinkrel_ = std::make_unique<ProgramDriver>(ProgramBeside(L"Tinkrel.exe"), "",
                                                   ProgramDriver::Start::kSuspended);
        hold_ = std::make_unique<InitHold>(*tinkrel_);
        dialog_ = hold_->WaitHeld();
        ASSERT_TRUE(dialog_) << "Tinkrel's dialog wasn't held after its initialisation";
    }

    std::string Row(int row) const { return dialog_.Entry(IDC_PARAMETER_LIST, row); }
    void SelectRow(int row) const { dialog_.ClickRow(IDC_PARAMETER_LIST, row); }
    int SliderPos() const { return dialog_.SliderPos(IDC_SLIDER); }
    // True once list row shows text: the poll takes a moved slider within a timer period.
    bool RowBecomes(int row, const std::string& text) const {
        return WaitFor([&] { return Row(row) == text; });
    }
    // One tick of the slider poll, delivered now (the dialog doesn't look at the timer's id):
    // whatever the poll would change has changed when it returns.
    void RunPoll() const { dialog_.Tick(1); }
    // Closes the dialog with button id, or the close box for 0; true when the program then ends.
    bool Close(int id) const {
        dialog_.PostClose(id);
        return tinkrel_->WaitExit();
    }

    std::unique_ptr<ProgramDriver> tinkrel_;
    std::unique_ptr<InitHold> hold_;  // goes before the program
    DialogDriver dialog_;
};

// The same with the settings key removed before and after.
class TinkrelProgramTest : public TinkrelRun {
protected:
    TinkrelProgramTest() { kVendorKey.Delete(); }
    ~TinkrelProgramTest() override { kVendorKey.Delete(); }

    // Stores a setting before the program starts.
    static void Store(const char* group, const char* name, const char* text) {
        ASSERT_EQ(kSettingsKey.SetText(group, name, text), ERROR_SUCCESS) << group << "\\" << name;
    }
};

TEST_F(TinkrelProgramTest, WithoutSettingsEveryValueIsTheDefaultAndNothingIsCreated) {
    Start();
    ASSERT_EQ(dialog_.EntryCount(IDC_PARAMETER_LIST), 21);
    EXPECT_EQ(dialog_.Text(), "Tinkrel");
    EXPECT_EQ(Row(kHeader), "Name\tMin\tMax\tCurrent\tDefault");
    EXPECT_EQ(Row(1), "AnimInterpolation\t0\t1\t1\t1");
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
    EXPECT_EQ(Row(kTexVideoMemLimit), "TexVideoMemLimit\t1024\t32768\t4096\t4096");
    EXPECT_EQ(Row(kWebServer), "WebServer\t0\t1\t0\t0");
    // Nothing selected yet: the controls keep the texts of the dialog template.
    EXPECT_EQ(dialog_.Selection(IDC_PARAMETER_LIST), LB_ERR);
    EXPECT_EQ(dialog_.Text(IDC_DEFAULT), "&Default");
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset");
    EXPECT_EQ(dialog_.Text(IDC_DESCRIPTION), "");
    EXPECT_EQ(dialog_.SliderMin(IDC_SLIDER), 0);
    EXPECT_EQ(dialog_.SliderMax(IDC_SLIDER), 1);
    EXPECT_EQ(SliderPos(), 0);

    dialog_.Press(IDC_LOAD);
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
    ASSERT_TRUE(Close(IDCANCEL));
    EXPECT_EQ(tinkrel_->ExitCode(), 0u);
    EXPECT_FALSE(kVendorKey.HasKey(""));
}

TEST_F(TinkrelProgramTest, StoredTextsAreTruncatedAndSaturated) {
    Store("Performance", "TexVideoMemLimit", "8192.9");
    Store("Misc", "MinThreadSleep", "-3.7");
    Store("Misc", "DIPYieldThreshold", "1e10");
    Store("Misc", "ShowFMV", "yes");
    Store("Misc", "GameSaveCompression", "-1e10");
    Start();
    EXPECT_EQ(Row(kTexVideoMemLimit), "TexVideoMemLimit\t1024\t32768\t8192\t4096");
    EXPECT_EQ(Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t-3\t2");
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t2147483647\t20000");
    EXPECT_EQ(Row(kShowFMV), "ShowFMV\t0\t1\t0\t1");
    EXPECT_EQ(Row(kGameSaveCompression), "GameSaveCompression\t0\t9\t-2147483648\t7");

    SelectRow(kTexVideoMemLimit);
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (8192)");
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "8192");
}

TEST_F(TinkrelProgramTest, SelectingShowsTheParameterAndTheHeaderEmptiesEverything) {
    Store("Misc", "DIPYieldThreshold", "20000");
    Start();
    SelectRow(kDIPYieldThreshold);
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
    EXPECT_EQ(dialog_.Text(IDC_DEFAULT), "&Default (20000)");
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (20000)");
    EXPECT_EQ(dialog_.Text(IDC_MINIMUM), "1");
    EXPECT_EQ(dialog_.Text(IDC_MAXIMUM), "40000");
    EXPECT_EQ(dialog_.Text(IDC_CURRENT), "20000");
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "20000");
    EXPECT_EQ(dialog_.Text(IDC_DESCRIPTION),
              "DIPYieldThreshold\nYield CPU after every [DIPYieldThreshold] drawn polygons");
    EXPECT_EQ(dialog_.SliderMin(IDC_SLIDER), 1);
    EXPECT_EQ(dialog_.SliderMax(IDC_SLIDER), 40000);
    EXPECT_EQ(SliderPos(), 20000);

    SelectRow(kHeader);
    for (int id : {IDC_CURRENT, IDC_VALUE, IDC_MINIMUM, IDC_MAXIMUM, IDC_DEFAULT, IDC_RESET,
                   IDC_DESCRIPTION}) {
        EXPECT_EQ(dialog_.Text(id), "") << "control " << id;
    }
    EXPECT_EQ(dialog_.SliderMin(IDC_SLIDER), 0);
    EXPECT_EQ(dialog_.SliderMax(IDC_SLIDER), 0);
    EXPECT_EQ(SliderPos(), 0);
    // With no parameter selected, Default, Reset and the value field do nothing.
    dialog_.Press(IDC_DEFAULT);
    dialog_.Press(IDC_RESET);
    dialog_.Type(IDC_VALUE, "0");
    RunPoll();
    EXPECT_EQ(SliderPos(), 0);
    EXPECT_EQ(Row(1), "AnimInterpolation\t0\t1\t1\t1");
}

TEST_F(TinkrelProgramTest, TypedValueMovesTheSliderOnlyWithinTheRange) {
    Store("Performance", "TexVideoMemLimit", "4096");
    Start();
    SelectRow(kTexVideoMemLimit);

    for (const char* refused : {"500", "99999999999", "32769"}) {
        dialog_.Type(IDC_VALUE, refused);
        RunPoll();
        EXPECT_EQ(SliderPos(), 4096) << refused;
        EXPECT_EQ(Row(kTexVideoMemLimit), "TexVideoMemLimit\t1024\t32768\t4096\t4096");
        EXPECT_EQ(dialog_.Text(IDC_VALUE), refused) << "the field keeps what was typed";
    }

    dialog_.Type(IDC_VALUE, "2048");
    EXPECT_EQ(SliderPos(), 2048);
    EXPECT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    EXPECT_EQ(dialog_.Text(IDC_CURRENT), "2048");
    EXPECT_EQ(dialog_.Selection(IDC_PARAMETER_LIST), kTexVideoMemLimit)
        << "the rebuilt list keeps the row";

    // Beyond 32 bits a typed number saturates; wrapped, this one would be 5 and in range.
    SelectRow(kGameSaveCompression);
    dialog_.Type(IDC_VALUE, "4294967301");
    RunPoll();
    EXPECT_EQ(SliderPos(), 7);
    EXPECT_EQ(Row(kGameSaveCompression), "GameSaveCompression\t0\t9\t7\t7");
}

TEST_F(TinkrelProgramTest, ValueFieldWithTheFocusKeepsTheTextBeingTyped) {
    Start();
    SelectRow(kTexVideoMemLimit);
    dialog_.Focus(IDC_VALUE);
    ASSERT_TRUE(dialog_.HasFocus(IDC_VALUE));
    dialog_.Type(IDC_VALUE, "02048");
    EXPECT_TRUE(RowBecomes(kTexVideoMemLimit, "TexVideoMemLimit\t1024\t32768\t2048\t4096"));
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "02048");
    EXPECT_EQ(dialog_.Text(IDC_CURRENT), "2048");
}

TEST_F(TinkrelProgramTest, SelectingSavingAndLoadingChangeNoValue) {
    Store("Misc", "ThreadPriority", "7");       // above its range 0..2: the slider shows 2
    Store("Misc", "MinThreadSleep", "0");       // below its range 2..500: the slider shows 2
    Store("Misc", "GameSaveCompression", "2");  // leaves the slider standing at 2
    Start();  // TexVideoMemLimit: nothing stored, so its default 4096
    // The slider stands, before each out-of-range row, at its bound or elsewhere.
    for (int row : {kHeader, kThreadPriority, kGameSaveCompression, kThreadPriority,
                    kMinThreadSleep, kTexVideoMemLimit, kMinThreadSleep, kThreadPriority}) {
        SelectRow(row);
        RunPoll();
    }
    dialog_.Click(IDC_SAVE);
    dialog_.Press(IDC_LOAD);
    RunPoll();
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    EXPECT_EQ(Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t0\t2");
    EXPECT_EQ(kSettingsKey.Get("Misc", "ThreadPriority"), StoredSz("7"));
    EXPECT_EQ(kSettingsKey.Get("Misc", "MinThreadSleep"), StoredSz("0"));
    EXPECT_EQ(kSettingsKey.Get("Performance", "TexVideoMemLimit"), std::nullopt);
    EXPECT_EQ(kSettingsKey.ValueCount("Misc"), 3) << "nothing was written";

    // Reset brings back a stored value that the slider can only show at its bound; Default
    // takes the default also where the slider already shows it.
    dialog_.MoveSlider(IDC_SLIDER, 0);
    ASSERT_TRUE(RowBecomes(kThreadPriority, "ThreadPriority\t0\t2\t0\t1"));
    dialog_.Press(IDC_RESET);
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    SelectRow(kMinThreadSleep);
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (0)");
    dialog_.Press(IDC_DEFAULT);
    EXPECT_EQ(Row(kMinThreadSleep), "MinThreadSleep\t2\t500\t2\t2");
}

// A row selected as an automation tool or a screen reader may select it: LB_SETCURSEL, which
// tells the dialog nothing, with the notification later. The first time, before the slider's
// first poll: held after its initialisation, Tinkrel can't tick before this test's own tick.
TEST_F(TinkrelProgramTest, RowSelectedUntoldTakesNothingFromTheSlider) {
    Store("Misc", "DIPYieldThreshold", "20000");
    Store("Misc", "ThreadPriority", "2");
    StartHeld();
    ASSERT_FALSE(IsWindowVisible(dialog_.Handle())) << "held before it shows";
    EXPECT_EQ(SliderPos(), 0);
    EXPECT_EQ(dialog_.SliderMax(IDC_SLIDER), 1);
    dialog_.Select(IDC_PARAMETER_LIST, kDIPYieldThreshold);
    RunPoll();  // the first
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
    hold_->Release();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(dialog_.Handle()) != FALSE; }));
    dialog_.Notify(IDC_PARAMETER_LIST, LBN_SELCHANGE);
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "20000");
    EXPECT_EQ(SliderPos(), 20000);

    // Later, while the slider shows DIPYieldThreshold: neither its moves nor Default reach the
    // row selected untold.
    dialog_.Select(IDC_PARAMETER_LIST, kThreadPriority);
    dialog_.MoveSlider(IDC_SLIDER, 30000);
    RunPoll();
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t2\t1") << "moved";
    dialog_.Press(IDC_DEFAULT);
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t2\t1") << "Default";

    dialog_.Click(IDC_SAVE);
    const std::map<std::string, std::string> stored = {{"Misc\\DIPYieldThreshold", "20000"},
                                                       {"Misc\\ThreadPriority", "2"}};
    EXPECT_EQ(StoredTexts(), stored);
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");
}

TEST_F(TinkrelProgramTest, DefaultAndResetMoveTheSliderAndThePollTheValue) {
    Store("Misc", "DIPYieldThreshold", "300");
    Start();
    SelectRow(kDIPYieldThreshold);
    dialog_.Press(IDC_DEFAULT);
    EXPECT_EQ(SliderPos(), 20000);
    EXPECT_TRUE(RowBecomes(kDIPYieldThreshold, "DIPYieldThreshold\t1\t40000\t20000\t20000"));
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "20000");

    dialog_.Press(IDC_DEFAULT);  // already there: nothing changes
    RunPoll();
    EXPECT_EQ(Row(kDIPYieldThreshold), "DIPYieldThreshold\t1\t40000\t20000\t20000");

    dialog_.Press(IDC_RESET);
    EXPECT_EQ(SliderPos(), 300);
    EXPECT_TRUE(RowBecomes(kDIPYieldThreshold, "DIPYieldThreshold\t1\t40000\t300\t20000"));
}

TEST_F(TinkrelProgramTest, ClosingInAnyWayStoresNothing) {
    for (int closer : {IDCANCEL, 0}) {
        SCOPED_TRACE(closer == IDCANCEL ? "Quit" : "close box");
        kVendorKey.Delete();
        Store("Misc", "ThreadPriority", "1");
        Start();
        SelectRow(kThreadPriority);
        dialog_.MoveSlider(IDC_SLIDER, 2);
        ASSERT_TRUE(RowBecomes(kThreadPriority, "ThreadPriority\t0\t2\t2\t1"));
        // Enter, through the hidden default button, keeps the tool open.
        dialog_.Press(IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog_.Handle()));

        ASSERT_TRUE(Close(closer));
        EXPECT_EQ(kSettingsKey.Get("Misc", "ThreadPriority"), StoredSz("1"));
        EXPECT_EQ(kSettingsKey.ValueCount("Misc"), 1);
        EXPECT_FALSE(kSettingsKey.HasKey("Performance"));
    }
}

// A screen reader names the list, the slider and the value field after the label just before
// each; Wine's accessibility layer tells the name of edit fields.
TEST_F(TinkrelProgramTest, EveryControlWithoutATextOfItsOwnHasALabelBeforeIt) {
    Start();
    EXPECT_EQ(dialog_.LabelBefore(IDC_PARAMETER_LIST), "&Parameters");
    EXPECT_EQ(dialog_.LabelBefore(IDC_SLIDER), "&Value");
    EXPECT_EQ(dialog_.LabelBefore(IDC_VALUE), "&Number");
    EXPECT_EQ(dialog_.AccessibleName(IDC_VALUE), "Number");
}

TEST_F(TinkrelProgramTest, SaveStoresWhatThePlayerSetAndLeavesEverythingElseAsItIs) {
    Store("Performance", "MaxFramerate", "25");
    Store("Performance", "RatingCpu", "80");
    Store("Screen", "Width", "1024");
    Store("Misc", "ThreadPriority", "7");           // out of range, and left alone
    Store("Misc", "DIPYieldThreshold", "1234567");  // edited by hand, and left alone
    Store("Misc", "GameSaveCompression", "3");
    Start();
    // Never stored, each set by the player, also to the value it reads as.
    SelectRow(kShowFMV);
    dialog_.Type(IDC_VALUE, "0");
    SelectRow(kWebServer);
    dialog_.Press(IDC_DEFAULT);
    SelectRow(kLightGlow);
    dialog_.Press(IDC_RESET);
    SelectRow(kMaxShadowLightDist);
    dialog_.MoveSlider(IDC_SLIDER, 20);
    ASSERT_TRUE(RowBecomes(kMaxShadowLightDist, "MaxShadowLightDist\t0\t25\t20\t8"));
    dialog_.MoveSlider(IDC_SLIDER, 8);
    ASSERT_TRUE(RowBecomes(kMaxShadowLightDist, "MaxShadowLightDist\t0\t25\t8\t8"));
    SelectRow(kGameSaveCompression);
    dialog_.MoveSlider(IDC_SLIDER, 9);
    ASSERT_TRUE(RowBecomes(kGameSaveCompression, "GameSaveCompression\t0\t9\t9\t7"));
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (3)");

    dialog_.Click(IDC_SAVE);

    const std::map<std::string, std::string> expected = {
        {"Performance\\MaxFramerate", "25"},
        {"Performance\\RatingCpu", "80"},
        {"Performance\\WebServer", "0"},
        {"Performance\\LightGlow", "1"},
        {"Performance\\MaxShadowLightDist", "8"},
        {"Screen\\Width", "1024"},
        {"Misc\\ThreadPriority", "7"},
        {"Misc\\DIPYieldThreshold", "1234567"},
        {"Misc\\GameSaveCompression", "9"},
        {"Misc\\ShowFMV", "0"},
    };
    EXPECT_EQ(StoredTexts(), expected);

    // The read-back shows what was stored; the selection stays.
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (9)");
    EXPECT_EQ(dialog_.Selection(IDC_PARAMETER_LIST), kGameSaveCompression);
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t7\t1");
    dialog_.Press(IDC_RESET);
    RunPoll();
    EXPECT_EQ(SliderPos(), 9);
    ASSERT_TRUE(Close(IDCANCEL));
    EXPECT_EQ(kSettingsKey.Get("Misc", "GameSaveCompression"), StoredSz("9"));
}

TEST_F(TinkrelProgramTest, LoadReplacesUnsavedChangesAndKeepsTheSelection) {
    Store("Performance", "MaxShadowLightDist", "8");
    Start();
    SelectRow(kMaxShadowLightDist);
    dialog_.MoveSlider(IDC_SLIDER, 20);
    ASSERT_TRUE(RowBecomes(kMaxShadowLightDist, "MaxShadowLightDist\t0\t25\t20\t8"));
    Store("Performance", "MaxShadowLightDist", "12");  // another program stores

    dialog_.Press(IDC_LOAD);

    EXPECT_EQ(Row(kMaxShadowLightDist), "MaxShadowLightDist\t0\t25\t12\t8");
    EXPECT_EQ(dialog_.Selection(IDC_PARAMETER_LIST), kMaxShadowLightDist);
    EXPECT_EQ(SliderPos(), 12);
    EXPECT_EQ(dialog_.Text(IDC_RESET), "&Reset (12)");
    EXPECT_EQ(dialog_.Text(IDC_VALUE), "12");
}

TEST_F(TinkrelProgramTest, KeyThatMayOnlyBeReadShowsItsValuesAndSaveChangesNothing) {
    Store("Misc", "ThreadPriority", "2");
    ReadOnlyKey readOnly(kSettingsKey.Path()), misc(kSettingsKey.Sub("Misc"));
    ASSERT_TRUE(readOnly.Applied() && misc.Applied());
    Start();
    SelectRow(kThreadPriority);
    dialog_.MoveSlider(IDC_SLIDER, 0);
    ASSERT_TRUE(RowBecomes(kThreadPriority, "ThreadPriority\t0\t2\t0\t1"));

    dialog_.Click(IDC_SAVE);

    // The read-back shows what the store still holds.
    EXPECT_EQ(Row(kThreadPriority), "ThreadPriority\t0\t2\t2\t1");
    EXPECT_EQ(kSettingsKey.Get("Misc", "ThreadPriority"), StoredSz("2"));
    EXPECT_EQ(kSettingsKey.ValueCount("Misc"), 1);
}

}  // namespace

// Drives the real Quorvel.exe under Wine against the real registry of the test prefix. Both this
// program and Quorvel.exe run in one virtual desktop of 1280 x 1024 (quorvel-program.sh), where
// DirectDraw offers Wine's list of common modes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "QuorvelProcess.h"
#include "QuorvelRes.h"
#include "SettingsKey.h"
#include "SystemRating.h"
#include "TestKey.h"

namespace {

using settings_key::Value;
using Values = std::map<std::string, Value>;

constexpr const char* kPrimaryGuid = "00000000 0000 0000 00 00 00 00 00 00 00 00";
// Wine's three Direct3D 7 devices, in its order: T&L HAL, HAL, RGB.
constexpr const char* kTnLHalGuid = "f5049e78 4861 11d2 a4 07 00 a0 c9 06 29 a8";
constexpr const char* kHalGuid = "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e";
constexpr const char* kRgbGuid = "a4665c60 2673 11cf a3 1a 00 aa 00 b9 33 56";

Value Sz(const std::string& text) {
    return Value{REG_SZ, text};
}

std::string StoredText(const Values& values, const std::string& path) {
    auto found = values.find(path);
    return found == values.end() ? "<missing>" : found->second.text;
}

int StoredInt(const Values& values, const std::string& path) {
    return std::atoi(StoredText(values, path).c_str());
}

// The ratings a run stored, and what the recommendation makes of them.
struct Recommendation {
    SystemRatings ratings;
    Presets presets;
};

Recommendation RecommendationFor(const Values& values) {
    Recommendation r;
    r.ratings.ratingCpu = StoredInt(values, "Performance\\RatingCPU");
    r.ratings.ratingMem = StoredInt(values, "Performance\\RatingMem");
    r.ratings.ratingGfx = StoredInt(values, "Performance\\RatingGfx");
    r.ratings.ratingDisk = StoredInt(values, "Performance\\RatingDsk");
    r.ratings.ratingAverage = AverageRating(r.ratings.ratingCpu, r.ratings.ratingMem,
                                            r.ratings.ratingGfx, r.ratings.ratingDisk);
    r.ratings.recommendedFramerate = RecommendedFramerate(r.ratings.ratingAverage);
    r.presets = RecommendedPresets(r.ratings);
    return r;
}

class QuorvelProgram : public ::testing::Test {
protected:
    void SetUp() override { settings_key::Clear(); }
    void TearDown() override { settings_key::Clear(); }

    // Runs the program unattended with these switches and returns what it stored.
    Values RunAutomatic(const std::string& arguments) {
        QuorvelProcess quorvel(arguments);
        EXPECT_TRUE(quorvel.Started());
        EXPECT_TRUE(quorvel.WaitExit()) << arguments;
        EXPECT_EQ(quorvel.ExitCode(), 0u) << arguments << ": stored";
        return settings_key::All();
    }
};

TEST_F(QuorvelProgram, FirstRunStoresTheProposedSettings) {
    Values stored = RunAutomatic("-automatic");
    Recommendation r = RecommendationFor(stored);
    // Every key also gets its (empty) default value.
    Values expected = {
        {"", Sz("")},
        {"Screen\\", Sz("")},
        {"Performance\\", Sz("")},
        {"TclDefines", Sz("FULL")},
        {"Language", Sz("de")},
        {"Screen\\DirectDrawGUID", Sz(kPrimaryGuid)},
        {"Screen\\Direct3DGUID", Sz(kHalGuid)},  // the second device
        {"Screen\\Width", Sz("1024")},           // best fit in 1280 x 1024
        {"Screen\\Height", Sz("768")},
        {"Screen\\TnL", Sz("0")},
        {"Screen\\Fullscreen", Sz("1")},
        {"Performance\\TextureQuality", Sz(std::to_string(r.presets.texture))},
        {"Performance\\LandscapeQuality", Sz(std::to_string(r.presets.landscape))},
        {"Performance\\ObjectQuality", Sz(std::to_string(r.presets.objects))},
        {"Performance\\MaxFramerate", Sz(std::to_string(r.ratings.recommendedFramerate))},
        {"Performance\\RatingCPU", Sz(std::to_string(r.ratings.ratingCpu))},
        {"Performance\\RatingMem", Sz(std::to_string(r.ratings.ratingMem))},
        {"Performance\\RatingGfx", Sz(std::to_string(r.ratings.ratingGfx))},
        {"Performance\\RatingDsk", Sz(std::to_string(r.ratings.ratingDisk))},
    };
    EXPECT_EQ(stored, expected);
    for (const char* rating : {"RatingCPU", "RatingMem", "RatingGfx", "RatingDsk"}) {
        int value = StoredInt(stored, std::string("Performance\\") + rating);
        EXPECT_TRUE(value >= 0 && value <= 100) << rating << " " << value;
    }
}

// Wine's adapters, like every display driver since Windows Vista, name their depth buffers per
// Direct3D device only; both are fit for the game, and a player's click on OK stores.
TEST_F(QuorvelProgram, FirstRunOnWinesAdaptersStoresByAClickOnOK) {
    QuorvelProcess quorvel("");
    HWND dialog = quorvel.WaitFilled();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(ComboTexts(dialog, IDC_ADAPTER).size(), 2u);
    EXPECT_TRUE(IsEnabled(dialog, IDC_ADAPTER)) << "two usable adapters to choose from";
    ASSERT_TRUE(IsEnabled(dialog, IDC_OK));
    ASSERT_TRUE(ClickWithMouse(dialog, IDC_OK));
    ASSERT_TRUE(quorvel.WaitExit(10000));
    EXPECT_EQ(quorvel.ExitCode(), 0u) << "stored";
    Values stored = settings_key::All();
    EXPECT_EQ(StoredText(stored, "Screen\\DirectDrawGUID"), kPrimaryGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kHalGuid);
    EXPECT_EQ(StoredText(stored, "Language"), "de");
}

// A settings key that lasts only until the session ends can't hold lasting subkeys: the store
// fails, and an install script learns it from the exit status.
TEST_F(QuorvelProgram, FailedStoreEndsWithStatusOne) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, settings_key::kPath, 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    QuorvelProcess quorvel("-automatic");
    ASSERT_TRUE(quorvel.WaitExit());
    EXPECT_EQ(quorvel.ExitCode(), 1u);
    EXPECT_EQ(StoredText(settings_key::All(), "Screen\\Width"), "<missing>");
}

TEST_F(QuorvelProgram, EscapeStoresNothingEvenOnAFirstRun) {
    QuorvelProcess quorvel("");
    HWND dialog = quorvel.WaitFilled();
    ASSERT_NE(dialog, nullptr);
    PressEscape(dialog);
    EXPECT_TRUE(quorvel.WaitExit(10000));
    EXPECT_EQ(quorvel.ExitCode(), 2u) << "cancelled";
    EXPECT_FALSE(settings_key::Exists());
}

TEST_F(QuorvelProgram, AdvancedRowsAreHiddenWithoutTheSwitchYetStored) {
    const int advancedIds[] = {IDC_LANGUAGE, IDC_LANGUAGE_LABEL, IDC_SEPARATOR,
                               IDC_TCL_DEFINES_LABEL, IDC_TCL_DEFINES};
    RECT full = {}, shortened = {};
    {
        QuorvelProcess quorvel("-advanced");
        HWND dialog = quorvel.WaitFilled();
        ASSERT_NE(dialog, nullptr);
        for (int id : advancedIds) {
            EXPECT_TRUE(IsShown(dialog, id)) << id;
        }
        GetWindowRect(dialog, &full);
        PressEscape(dialog);
        EXPECT_TRUE(quorvel.WaitExit(10000));
    }
    for (const char* arguments : {"", "-Advanced -bunt"}) {
        QuorvelProcess quorvel(arguments);
        HWND dialog = quorvel.WaitFilled();
        ASSERT_NE(dialog, nullptr) << arguments;
        for (int id : advancedIds) {
            EXPECT_FALSE(IsShown(dialog, id)) << arguments << " " << id;
        }
        EXPECT_TRUE(IsShown(dialog, IDC_OK));
        EXPECT_TRUE(IsShown(dialog, IDC_CANCEL));
        GetWindowRect(dialog, &shortened);
        EXPECT_EQ(shortened.right - shortened.left, full.right - full.left) << arguments;
        EXPECT_EQ(full.bottom - full.top - (shortened.bottom - shortened.top), 70) << arguments;
        // German texts; OK stores the hidden fields as they were filled.
        EXPECT_EQ(Text(dialog), "Krumbel - Einstellungen");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(quorvel.WaitExit(10000));
        Values stored = settings_key::All();
        EXPECT_EQ(StoredText(stored, "Language"), "de");
        EXPECT_EQ(StoredText(stored, "TclDefines"), "FULL");  // the first run's proposal
    }
}

TEST_F(QuorvelProgram, LanguageListRelabelsTheDialog) {
    QuorvelProcess quorvel("-advanced");
    HWND dialog = quorvel.WaitFilled();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ComboSelection(dialog, IDC_LANGUAGE), 1);
    SendDlgItemMessageW(dialog, IDC_TEXTURE, CB_SETCURSEL, 1, 0);
    int landscape = ComboSelection(dialog, IDC_LANDSCAPE);
    int objects = ComboSelection(dialog, IDC_OBJECTS);

    Choose(dialog, IDC_LANGUAGE, 2);
    EXPECT_EQ(Text(dialog), "Options - Krumbel");
    EXPECT_EQ(ItemText(dialog, IDC_DEFAULTS),
              "Par d\xE9"
              "faut");
    EXPECT_EQ(ComboTexts(dialog, IDC_TEXTURE),
              (std::vector<std::string>{"Minimum", "Faible", "Moyen", "Elev\xE9", "Maximum"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_TEXTURE), 1);
    EXPECT_EQ(ComboSelection(dialog, IDC_LANDSCAPE), landscape);
    EXPECT_EQ(ComboSelection(dialog, IDC_OBJECTS), objects);
    EXPECT_EQ(ComboSelection(dialog, IDC_LANGUAGE), 2);

    Choose(dialog, IDC_LANGUAGE, 3);
    EXPECT_EQ(Text(dialog), "Pottlers - Opciones");

    // Japanese: the notice, with only its OK button, then English.
    PostChoose(dialog, IDC_LANGUAGE, 6);
    HWND notice = quorvel.WaitWindow("Error!");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(IsShown(notice, IDC_OK));
    EXPECT_FALSE(IsShown(notice, IDC_CANCEL));
    EXPECT_FALSE(IsEnabled(notice, IDC_CANCEL));
    PostMessageW(notice, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor(5000, [&] { return Text(dialog) == "Krumbel - Options"; }));
    EXPECT_EQ(ComboSelection(dialog, IDC_LANGUAGE), 0);
    HWND languageList = GetDlgItem(dialog, IDC_LANGUAGE);
    ULONG_PTR first = SendMessageW(languageList, CB_GETITEMDATA, 0, 0);
    ULONG_PTR last = SendMessageW(languageList, CB_GETITEMDATA, 6, 0);
    EXPECT_EQ(quorvel.ReadText(first), "English");
    EXPECT_EQ(quorvel.ReadText(last), "Japanese");

    // Default: recommended levels and frame rate, and German again.
    SendDlgItemMessageW(dialog, IDC_TEXTURE, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(dialog, IDC_FRAMERATE, TBM_SETPOS, TRUE, 40);
    Click(dialog, IDC_DEFAULTS);
    EXPECT_EQ(Text(dialog), "Krumbel - Einstellungen");
    EXPECT_EQ(ComboSelection(dialog, IDC_LANGUAGE), 1);

    // The Tcl field takes no more than the store reads back.
    HWND tcl = GetDlgItem(dialog, IDC_TCL_DEFINES);
    SendMessageW(tcl, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (int i = 0; i < 300; ++i) {
        SendMessageW(tcl, WM_CHAR, 'x', 0);
    }
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(quorvel.WaitExit(10000));
    Values stored = settings_key::All();
    Recommendation r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "Language"), "de");
    EXPECT_EQ(StoredText(stored, "TclDefines"), std::string(255, 'x'));
    EXPECT_EQ(StoredInt(stored, "Performance\\TextureQuality"), r.presets.texture);
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.ratings.recommendedFramerate);
}

TEST_F(QuorvelProgram, FramerateLabelFollowsTheSlider) {
    settings_key::Store("Performance\\MaxFramerate", "60");
    QuorvelProcess quorvel("");
    HWND dialog = quorvel.WaitFilled();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, IDC_FRAMERATE_VALUE), "40");  // from the start: the slider's top
    SendDlgItemMessageW(dialog, IDC_FRAMERATE, TBM_SETPOS, TRUE, 35);
    DWORD start = GetTickCount();
    EXPECT_TRUE(WaitFor(1000, [&] { return ItemText(dialog, IDC_FRAMERATE_VALUE) == "35"; }));
    // One refresh period is 100 ms; the bound leaves room for a machine busy with other tests.
    EXPECT_LE(GetTickCount() - start, 600u);
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(quorvel.WaitExit(10000));
    EXPECT_EQ(StoredText(settings_key::All(), "Performance\\MaxFramerate"), "35");
}

TEST_F(QuorvelProgram, AdapterChangeAndUpperCaseGuids) {
    // Picking the second adapter lists its devices anew at device 0 (the T&L device, which is
    // offered as unsupported) and its smallest mode.
    std::string secondAdapter;
    {
        QuorvelProcess quorvel("");
        HWND dialog = quorvel.WaitFilled();
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(ComboTexts(dialog, IDC_ADAPTER).size(), 2u);
        EXPECT_TRUE(IsEnabled(dialog, IDC_OK));
        std::vector<std::string> devices = ComboTexts(dialog, IDC_DEVICE);
        ASSERT_EQ(devices.size(), 3u);
        EXPECT_NE(devices[0].find(" (Hardware TnL) (unsupported)"), std::string::npos);
        EXPECT_EQ(devices[1].find("(unsupported)"), std::string::npos);
        EXPECT_EQ(ComboSelection(dialog, IDC_DEVICE), 1);
        EXPECT_EQ(ComboTexts(dialog, IDC_SCREEN_MODE).at(0), "800 x 600 (4:3)");

        Choose(dialog, IDC_ADAPTER, 1);
        EXPECT_EQ(ComboSelection(dialog, IDC_DEVICE), 0);
        EXPECT_EQ(ComboSelection(dialog, IDC_SCREEN_MODE), 0);
        EXPECT_FALSE(IsEnabled(dialog, IDC_OK)) << "the T&L device is unsupported";
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);  // the message, as no click could send it
        EXPECT_TRUE(quorvel.WaitExit(10000));
        Values stored = settings_key::All();
        secondAdapter = StoredText(stored, "Screen\\DirectDrawGUID");
        EXPECT_NE(secondAdapter, kPrimaryGuid);
        EXPECT_EQ(secondAdapter.size(), 42u);
        EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kTnLHalGuid);
        EXPECT_EQ(StoredText(stored, "Screen\\TnL"), "1");
        EXPECT_EQ(StoredText(stored, "Screen\\Width"), "800");
        EXPECT_EQ(StoredText(stored, "Screen\\Height"), "600");
    }
    // Stored texts match without regard to case; an unknown device gives the second one.
    std::string upper = secondAdapter;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    settings_key::Store("Screen\\DirectDrawGUID", upper);
    settings_key::Store("Screen\\Direct3DGUID", "12345678 0000 0000 00 00 00 00 00 00 00 00");
    Values stored = RunAutomatic("-automatic");
    EXPECT_EQ(StoredText(stored, "Screen\\DirectDrawGUID"), secondAdapter);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kHalGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\TnL"), "0");
}

TEST_F(QuorvelProgram, KeyThatMayOnlyBeReadIsNoFirstRun) {
    settings_key::Store("Screen\\Fullscreen", "0");
    settings_key::Store("Screen\\Width", "1280");
    settings_key::Store("Screen\\Height", "960");
    ReadOnlyKey readOnly(settings_key::kPath);
    ASSERT_TRUE(readOnly.Applied());

    QuorvelProcess quorvel("");
    HWND dialog = quorvel.WaitFilled();
    ASSERT_NE(dialog, nullptr);
    // The stored choices, not a first run's proposal (full screen, 1024 x 768 here).
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_FULL_SCREEN, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(ComboTexts(dialog, IDC_SCREEN_MODE).at(ComboSelection(dialog, IDC_SCREEN_MODE)),
              "1280 x 960 (4:3)");
    PressEscape(dialog);
    EXPECT_TRUE(quorvel.WaitExit(10000));
}

// A complete stored set with odd values, as the tweak tool, an older version or a hand edit may
// leave it.
void StoreOddSet() {
    settings_key::Store("TclDefines", "NOSOUND");
    settings_key::Store("Language", "fr");
    settings_key::Store("Screen\\DirectDrawGUID", kPrimaryGuid);
    settings_key::Store("Screen\\Direct3DGUID", kRgbGuid);
    settings_key::Store("Screen\\Width", "1000");  // a size no mode has
    settings_key::Store("Screen\\Height", "700");
    settings_key::Store("Screen\\Fullscreen", "00");
    settings_key::Store("Performance\\TextureQuality", "9");
    settings_key::Store("Performance\\LandscapeQuality", "-2");
    settings_key::Store("Performance\\ObjectQuality", "0");
    settings_key::Store("Performance\\MaxFramerate", "60");
    settings_key::Store("Performance\\ViewDistance", "300");  // the tweak tool's
}

TEST_F(QuorvelProgram, OddStoredValues) {
    StoreOddSet();
    Values stored = RunAutomatic("x-automaticy");  // glued letters still count
    EXPECT_EQ(StoredText(stored, "TclDefines"), "NOSOUND");
    EXPECT_EQ(StoredText(stored, "Language"), "de");
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kRgbGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1024");  // best fit, not the first mode
    EXPECT_EQ(StoredText(stored, "Screen\\Height"), "768");
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "1");  // only "0" means a window
    EXPECT_EQ(StoredText(stored, "Performance\\TextureQuality"), "4");
    EXPECT_EQ(StoredText(stored, "Performance\\LandscapeQuality"), "-1");
    EXPECT_EQ(StoredText(stored, "Performance\\ObjectQuality"), "0");
    EXPECT_EQ(StoredText(stored, "Performance\\MaxFramerate"), "40");
    EXPECT_EQ(StoredText(stored, "Performance\\ViewDistance"), "300");
}

TEST_F(QuorvelProgram, WindowedExactModeIsKept) {
    settings_key::Store("Screen\\Fullscreen", "0");
    settings_key::Store("Screen\\Width", "1280");
    settings_key::Store("Screen\\Height", "960");
    Values stored = RunAutomatic("-automatic");
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "0");
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1280");
    EXPECT_EQ(StoredText(stored, "Screen\\Height"), "960");
    EXPECT_EQ(StoredText(stored, "TclDefines"), "");  // not a first run
}

TEST_F(QuorvelProgram, TweakToolValuesAloneAreNoFirstRun) {
    settings_key::Store("Performance\\ViewDistance", "300");
    settings_key::Store("Misc\\Gamma", "12");
    Values stored = RunAutomatic("-automatic");
    Recommendation r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "TclDefines"), "");
    EXPECT_EQ(StoredText(stored, "Performance\\TextureQuality"), "3");
    EXPECT_EQ(StoredText(stored, "Performance\\LandscapeQuality"), "2");
    EXPECT_EQ(StoredText(stored, "Performance\\ObjectQuality"), "2");
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.ratings.recommendedFramerate);
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "1");
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1024");
    EXPECT_EQ(StoredText(stored, "Performance\\ViewDistance"), "300");
    EXPECT_EQ(StoredText(stored, "Misc\\Gamma"), "12");
}

TEST_F(QuorvelProgram, DefaultsSwitchProposesAllButTheDisplayDevices) {
    StoreOddSet();
    settings_key::Store("Screen\\Fullscreen", "0");
    settings_key::Store("Screen\\Width", "1280");
    settings_key::Store("Screen\\Height", "960");
    Values stored = RunAutomatic("-defaults -automatic");
    Recommendation r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kRgbGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1024");
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "1");
    EXPECT_EQ(StoredText(stored, "TclDefines"), "FULL");
    EXPECT_EQ(StoredInt(stored, "Performance\\TextureQuality"), r.presets.texture);
    EXPECT_EQ(StoredInt(stored, "Performance\\LandscapeQuality"), r.presets.landscape);
    EXPECT_EQ(StoredInt(stored, "Performance\\ObjectQuality"), r.presets.objects);
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.ratings.recommendedFramerate);
}

}  // namespace

// Drives the real Quorvel.exe under Wine against the real registry of the test prefix. Both this
// program and Quorvel.exe run in one virtual desktop of 1280 x 1024 (quorvel-program.sh), where
// DirectDraw offers Wine's list of common modes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <memory>

#include "res/QuorvelRes.h"
#include "support/ProgramDriver.h"
#include "support/SettingsKey.h"
#include "support/TestKey.h"
#include "win32/QuorvelRun.h"

namespace {

using Values = ValuesByPath;

constexpr const char* kPrimaryGuid = "00000000 0000 0000 00 00 00 00 00 00 00 00";
// Wine's three Direct3D 7 devices, in its order: T&L HAL, HAL, RGB.
constexpr const char* kTnLHalGuid = "f5049e78 4861 11d2 a4 07 00 a0 c9 06 29 a8";
constexpr const char* kHalGuid = "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e";
constexpr const char* kRgbGuid = "a4665c60 2673 11cf a3 1a 00 aa 00 b9 33 56";

Values::mapped_type Sz(const std::string& text) {
    return StoredSz(text);
}

std::string StoredText(const Values& values, const std::string& path) {
    auto found = values.find(path);
    return found == values.end() ? "<missing>" : TextOf(found->second);
}

int StoredInt(const Values& values, const std::string& path) {
    return std::atoi(StoredText(values, path).c_str());
}

// The proposal for the ratings a run stored.
Proposal RecommendationFor(const Values& values) {
    return ProposalFor(
        StoredInt(values, "Performance\\RatingCPU"), StoredInt(values, "Performance\\RatingMem"),
        StoredInt(values, "Performance\\RatingGfx"), StoredInt(values, "Performance\\RatingDsk"));
}

class QuorvelProgram : public ::testing::Test {
protected:
    void SetUp() override { kSettingsKey.Delete(); }
    void TearDown() override { kSettingsKey.Delete(); }

    // Runs the program unattended with these switches and returns what it stored.
    Values RunAutomatic(const std::string& arguments) {
        ProgramDriver quorvel(QuorvelPath(), arguments);
        EXPECT_TRUE(quorvel.Started());
        EXPECT_TRUE(quorvel.WaitExit()) << arguments;
        EXPECT_EQ(quorvel.ExitCode(), 0u) << arguments << ": stored";
        return StoredSettings();
    }
};

TEST_F(QuorvelProgram, FirstRunStoresTheProposedSettings) {
    Values stored = RunAutomatic("-automatic");
    Proposal r = RecommendationFor(stored);
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
        {"Performance\\TextureQuality", Sz(std::to_string(r.texture))},
        {"Performance\\LandscapeQuality", Sz(std::to_string(r.landscape))},
        {"Performance\\ObjectQuality", Sz(std::to_string(r.objects))},
        {"Performance\\MaxFramerate", Sz(std::to_string(r.framerate))},
    };
    // The ratings are the machine's: decimal numbers from 0 to 100.
    for (const char* rating : {"RatingCPU", "RatingMem", "RatingGfx", "RatingDsk"}) {
        std::string path = std::string("Performance\\") + rating;
        int value = StoredInt(stored, path);
        EXPECT_TRUE(value >= 0 && value <= 100) << rating << " " << value;
        expected[path] = Sz(std::to_string(value));
    }
    EXPECT_EQ(stored, expected);
}

// Wine's adapters, like every display driver since Windows Vista, name their depth buffers per
// Direct3D device only; both are fit for the game, and a player's click on OK stores.
TEST_F(QuorvelProgram, FirstRunOnWinesAdaptersStoresByAClickOnOK) {
    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog.Entries(IDC_ADAPTER).size(), 2u);
    EXPECT_TRUE(dialog.IsEnabled(IDC_ADAPTER)) << "two usable adapters to choose from";
    ASSERT_TRUE(dialog.IsEnabled(IDC_OK));
    EXPECT_FALSE(dialog.IsShown(IDC_WHY_NOT_OK)) << "nothing to explain";
    EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK), "");
    ASSERT_TRUE(dialog.ClickWithMouse(IDC_OK));
    ASSERT_TRUE(quorvel.WaitExit());
    EXPECT_EQ(quorvel.ExitCode(), 0u) << "stored";
    Values stored = StoredSettings();
    EXPECT_EQ(StoredText(stored, "Screen\\DirectDrawGUID"), kPrimaryGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kHalGuid);
    EXPECT_EQ(StoredText(stored, "Language"), "de");
}

// A settings key that lasts only until the session ends can't hold lasting subkeys: the store
// fails, and an install script learns it from the exit status.
TEST_F(QuorvelProgram, FailedStoreEndsWithStatusOne) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey.Path().c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ProgramDriver quorvel(QuorvelPath(), "-automatic");
    ASSERT_TRUE(quorvel.WaitExit());
    EXPECT_EQ(quorvel.ExitCode(), 1u);
    EXPECT_EQ(StoredText(StoredSettings(), "Screen\\Width"), "<missing>");
}

TEST_F(QuorvelProgram, EscapeStoresNothingEvenOnAFirstRun) {
    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    dialog.PressEscape();
    EXPECT_TRUE(quorvel.WaitExit());
    EXPECT_EQ(quorvel.ExitCode(), 2u) << "cancelled";
    EXPECT_FALSE(kSettingsKey.HasKey(""));
}

// The pointer resting on the rating summary shows the figures behind it.
TEST_F(QuorvelProgram, RatingSummaryShowsItsFiguresOnHover) {
    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog.PointWithMouse(IDC_RATING));
    std::string figures;  // the text on show
    ASSERT_TRUE(WaitFor([&] { return !(figures = dialog.ShownTip()).empty(); }))
        << "no tooltip shown";
    // Wine's graphics board has hardware TnL.
    EXPECT_NE(figures.find(" MB, Hardware-Transformation und -Beleuchtung: ja (jede Grafikkarte "
                           "z\xE4"
                           "hlt, auch eine, die das Spiel nicht nutzen kann)\nFestplatte: "),
              std::string::npos)
        << figures;
    EXPECT_EQ(figures.rfind("Prozessor: ", 0), 0u) << figures;

    dialog.PressEscape();
    EXPECT_TRUE(quorvel.WaitExit());
}

// The Windows version that Wine reports to Quorvel.exe alone; the key's other settings (the
// virtual desktop) stay, and the version goes again however the test ends.
class WineVersionOfQuorvel {
public:
    ~WineVersionOfQuorvel() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key_.Path().c_str(), 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(key, "Version");
            RegCloseKey(key);
        }
    }
    bool Set(const char* version) const {
        return key_.SetText("", "Version", version) == ERROR_SUCCESS;
    }

private:
    TestKey key_{"Software\\Wine\\AppDefaults\\Quorvel.exe"};
};

// The program's manifest declares the newer systems, so their versions come through.
TEST_F(QuorvelProgram, SummaryNamesWindowsAsPlayersKnowIt) {
    WineVersionOfQuorvel wineVersion;
    for (const auto& [version, name] :
         {std::pair{"win10", "Windows 10 "}, std::pair{"win81", "Windows 8.1 "},
          std::pair{"winxp", "Windows XP Service Pack 3 "}}) {
        ASSERT_TRUE(wineVersion.Set(version));
        ProgramDriver quorvel(QuorvelPath());
        DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog) << version;
        EXPECT_EQ(dialog.Text(IDC_RATING).rfind(name, 0), 0u) << dialog.Text(IDC_RATING);
        dialog.PressEscape();
        EXPECT_TRUE(quorvel.WaitExit());
    }
}

TEST_F(QuorvelProgram, AdvancedRowsAreHiddenWithoutTheSwitchYetStored) {
    const int advancedIds[] = {IDC_LANGUAGE, IDC_LANGUAGE_LABEL, IDC_SEPARATOR,
                               IDC_TCL_DEFINES_LABEL, IDC_TCL_DEFINES};
    RECT full = {}, shortened = {};
    {
        ProgramDriver quorvel(QuorvelPath(), "-advanced");
        DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog);
        for (int id : advancedIds) {
            EXPECT_TRUE(dialog.IsShown(id)) << id;
        }
        full = dialog.Frame();
        dialog.PressEscape();
        EXPECT_TRUE(quorvel.WaitExit());
    }
    for (const char* arguments : {"", "-Advanced -bunt"}) {
        ProgramDriver quorvel(QuorvelPath(), arguments);
        DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog) << arguments;
        for (int id : advancedIds) {
            EXPECT_FALSE(dialog.IsShown(id)) << arguments << " " << id;
        }
        EXPECT_TRUE(dialog.IsShown(IDC_OK));
        EXPECT_TRUE(dialog.IsShown(IDC_CANCEL));
        shortened = dialog.Frame();
        EXPECT_EQ(shortened.right - shortened.left, full.right - full.left) << arguments;
        EXPECT_EQ(full.bottom - full.top - (shortened.bottom - shortened.top), 70) << arguments;
        // German texts; OK stores the hidden fields as they were filled.
        EXPECT_EQ(dialog.Text(), "Krumbel - Einstellungen");
        dialog.Press(IDOK);
        EXPECT_TRUE(quorvel.WaitExit());
        Values stored = StoredSettings();
        EXPECT_EQ(StoredText(stored, "Language"), "de");
        EXPECT_EQ(StoredText(stored, "TclDefines"), "FULL");  // the first run's proposal
    }
}

// Quorvel with "-advanced", once filled.
class QuorvelAdvanced : public QuorvelProgram {
protected:
    void SetUp() override {
        QuorvelProgram::SetUp();
        quorvel_ = std::make_unique<ProgramDriver>(QuorvelPath(), "-advanced");
        dialog_ = quorvel_->WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog_);
    }

    std::unique_ptr<ProgramDriver> quorvel_;
    DialogDriver dialog_;
};

TEST_F(QuorvelAdvanced, LanguageListRelabelsTheDialogAndKeepsTheSelections) {
    DialogDriver& dialog = dialog_;
    EXPECT_EQ(dialog.Selection(IDC_LANGUAGE), 1);
    dialog.Select(IDC_TEXTURE, 1);
    int landscape = dialog.Selection(IDC_LANDSCAPE);
    int objects = dialog.Selection(IDC_OBJECTS);

    dialog.Choose(IDC_LANGUAGE, 2);
    EXPECT_EQ(dialog.Text(), "Options - Krumbel");
    EXPECT_EQ(dialog.Text(IDC_DEFAULTS),
              "Par &d\xE9"
              "faut");
    EXPECT_EQ(dialog.Entries(IDC_TEXTURE),
              (std::vector<std::string>{"Minimum", "Faible", "Moyen", "Elev\xE9", "Maximum"}));
    EXPECT_EQ(dialog.Selection(IDC_TEXTURE), 1);
    EXPECT_EQ(dialog.Selection(IDC_LANDSCAPE), landscape);
    EXPECT_EQ(dialog.Selection(IDC_OBJECTS), objects);
    EXPECT_EQ(dialog.Selection(IDC_LANGUAGE), 2);

    dialog.Choose(IDC_LANGUAGE, 3);
    EXPECT_EQ(dialog.Text(), "Pottlers - Opciones");
}

TEST_F(QuorvelAdvanced, JapaneseShowsTheNoticeThenEnglish) {
    DialogDriver& dialog = dialog_;
    dialog.PostChoose(IDC_LANGUAGE, 6);
    DialogDriver notice = quorvel_->WaitWindow("Error!");
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice.IsShown(IDC_OK));  // only its OK button
    EXPECT_FALSE(notice.IsShown(IDC_CANCEL));
    EXPECT_FALSE(notice.IsEnabled(IDC_CANCEL));
    notice.PostClose(IDOK);
    EXPECT_TRUE(WaitFor([&] { return dialog.Text() == "Krumbel - Options"; }));
    EXPECT_EQ(dialog.Selection(IDC_LANGUAGE), 0);
    EXPECT_EQ(quorvel_->ReadText(dialog.EntryData(IDC_LANGUAGE, 0)), "English");
    EXPECT_EQ(quorvel_->ReadText(dialog.EntryData(IDC_LANGUAGE, 6)), "Japanese");
}

// Default: recommended levels and frame rate, and German again; OK stores them.
TEST_F(QuorvelAdvanced, DefaultProposesAndSwitchesBackToGerman) {
    DialogDriver& dialog = dialog_;
    dialog.Choose(IDC_LANGUAGE, 0);
    dialog.Select(IDC_TEXTURE, 0);
    dialog.MoveSlider(IDC_FRAMERATE, 40);
    dialog.Press(IDC_DEFAULTS);
    EXPECT_EQ(dialog.Text(), "Krumbel - Einstellungen");
    EXPECT_EQ(dialog.Selection(IDC_LANGUAGE), 1);

    dialog.Press(IDOK);
    EXPECT_TRUE(quorvel_->WaitExit());
    Values stored = StoredSettings();
    Proposal r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "Language"), "de");
    EXPECT_EQ(StoredInt(stored, "Performance\\TextureQuality"), r.texture);
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.framerate);
}

// The Tcl field takes no more than the store reads back.
TEST_F(QuorvelAdvanced, TclDefinesTakeAtMost255Characters) {
    DialogDriver& dialog = dialog_;
    dialog.Type(IDC_TCL_DEFINES, "");
    for (int i = 0; i < 300; ++i) {
        dialog.TypeChar(IDC_TCL_DEFINES, 'x');
    }
    dialog.Press(IDOK);
    EXPECT_TRUE(quorvel_->WaitExit());
    EXPECT_EQ(StoredText(StoredSettings(), "TclDefines"), std::string(255, 'x'));
}

TEST_F(QuorvelProgram, FramerateLabelFollowsTheSlider) {
    StoreSetting("Performance\\MaxFramerate", "60");
    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog.Text(IDC_FRAMERATE_VALUE), "40");  // from the start: the slider's top
    dialog.MoveSlider(IDC_FRAMERATE, 35);
    DWORD start = GetTickCount();
    EXPECT_TRUE(WaitFor([&] { return dialog.Text(IDC_FRAMERATE_VALUE) == "35"; }));
    // One refresh period is 100 ms; the bound leaves room for a machine busy with other tests.
    EXPECT_LE(GetTickCount() - start, 600u);
    dialog.Press(IDOK);
    EXPECT_TRUE(quorvel.WaitExit());
    EXPECT_EQ(StoredText(StoredSettings(), "Performance\\MaxFramerate"), "35");
}

TEST_F(QuorvelProgram, AdapterChangeAndUpperCaseGuids) {
    // Picking the second adapter lists its devices anew at device 0 (the T&L device, which is
    // offered as unsupported) and its smallest mode.
    std::string secondAdapter;
    {
        ProgramDriver quorvel(QuorvelPath());
        DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
        ASSERT_TRUE(dialog);
        ASSERT_EQ(dialog.Entries(IDC_ADAPTER).size(), 2u);
        EXPECT_TRUE(dialog.IsEnabled(IDC_OK));
        std::vector<std::string> devices = dialog.Entries(IDC_DEVICE);
        ASSERT_EQ(devices.size(), 3u);
        EXPECT_NE(devices[0].find(" (Hardware TnL) (unsupported)"), std::string::npos);
        EXPECT_EQ(devices[1].find("(unsupported)"), std::string::npos);
        EXPECT_EQ(dialog.Selection(IDC_DEVICE), 1);
        EXPECT_EQ(dialog.Entries(IDC_SCREEN_MODE).at(0), "800 x 600 (4:3)");

        dialog.Choose(IDC_ADAPTER, 1);
        EXPECT_EQ(dialog.Selection(IDC_DEVICE), 0);
        EXPECT_EQ(dialog.Selection(IDC_SCREEN_MODE), 0);
        EXPECT_FALSE(dialog.IsEnabled(IDC_OK)) << "the T&L device is unsupported";
        dialog.Press(IDOK);  // the message, as no click could send it
        EXPECT_TRUE(quorvel.WaitExit());
        Values stored = StoredSettings();
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
    StoreSetting("Screen\\DirectDrawGUID", upper);
    StoreSetting("Screen\\Direct3DGUID", "12345678 0000 0000 00 00 00 00 00 00 00 00");
    Values stored = RunAutomatic("-automatic");
    EXPECT_EQ(StoredText(stored, "Screen\\DirectDrawGUID"), secondAdapter);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kHalGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\TnL"), "0");
}

TEST_F(QuorvelProgram, KeyThatMayOnlyBeReadIsNoFirstRun) {
    StoreSetting("Screen\\Fullscreen", "0");
    StoreSetting("Screen\\Width", "1280");
    StoreSetting("Screen\\Height", "960");
    ReadOnlyKey readOnly(kSettingsKey.Path());
    ASSERT_TRUE(readOnly.Applied());

    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    // The stored choices, not a first run's proposal (full screen, 1024 x 768 here).
    EXPECT_EQ(dialog.Send(IDC_FULL_SCREEN, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(dialog.Entry(IDC_SCREEN_MODE, dialog.Selection(IDC_SCREEN_MODE)), "1280 x 960 (4:3)");
    dialog.PressEscape();
    EXPECT_TRUE(quorvel.WaitExit());
}

// A complete stored set with odd values, as the tweak tool, an older version or a hand edit may
// leave it.
void StoreOddSet() {
    StoreSetting("TclDefines", "NOSOUND");
    StoreSetting("Language", "fr");
    StoreSetting("Screen\\DirectDrawGUID", kPrimaryGuid);
    StoreSetting("Screen\\Direct3DGUID", kRgbGuid);
    StoreSetting("Screen\\Width", "1000");  // a size no mode has
    StoreSetting("Screen\\Height", "700");
    StoreSetting("Screen\\Fullscreen", "00");
    StoreSetting("Performance\\TextureQuality", "9");
    StoreSetting("Performance\\LandscapeQuality", "-2");
    StoreSetting("Performance\\ObjectQuality", "0");
    StoreSetting("Performance\\MaxFramerate", "60");
    StoreSetting("Performance\\ViewDistance", "300");  // the tweak tool's
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
    StoreSetting("Screen\\Fullscreen", "0");
    StoreSetting("Screen\\Width", "1280");
    StoreSetting("Screen\\Height", "960");
    Values stored = RunAutomatic("-automatic");
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "0");
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1280");
    EXPECT_EQ(StoredText(stored, "Screen\\Height"), "960");
    EXPECT_EQ(StoredText(stored, "TclDefines"), "");  // not a first run
}

// The tweak tool's key read-only, as on a locked-down machine: Quorvel writes nothing there, so
// it stores all the same.
TEST_F(QuorvelProgram, TweakToolValuesAloneAreNoFirstRun) {
    StoreSetting("Performance\\ViewDistance", "300");
    StoreSetting("Misc\\Gamma", "12");
    ReadOnlyKey readOnlyMisc(kSettingsKey.Sub("Misc"));
    ASSERT_TRUE(readOnlyMisc.Applied());
    Values stored = RunAutomatic("-automatic");
    Proposal r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "TclDefines"), "");
    EXPECT_EQ(StoredText(stored, "Performance\\TextureQuality"), "3");
    EXPECT_EQ(StoredText(stored, "Performance\\LandscapeQuality"), "2");
    EXPECT_EQ(StoredText(stored, "Performance\\ObjectQuality"), "2");
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.framerate);
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "1");
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1024");
    EXPECT_EQ(StoredText(stored, "Performance\\ViewDistance"), "300");
    EXPECT_EQ(StoredText(stored, "Misc\\Gamma"), "12");
}

TEST_F(QuorvelProgram, DefaultsSwitchProposesAllButTheDisplayDevices) {
    StoreOddSet();
    StoreSetting("Screen\\Fullscreen", "0");
    StoreSetting("Screen\\Width", "1280");
    StoreSetting("Screen\\Height", "960");
    Values stored = RunAutomatic("-defaults -automatic");
    Proposal r = RecommendationFor(stored);
    EXPECT_EQ(StoredText(stored, "Screen\\Direct3DGUID"), kRgbGuid);
    EXPECT_EQ(StoredText(stored, "Screen\\Width"), "1024");
    EXPECT_EQ(StoredText(stored, "Screen\\Fullscreen"), "1");
    EXPECT_EQ(StoredText(stored, "TclDefines"), "FULL");
    EXPECT_EQ(StoredInt(stored, "Performance\\TextureQuality"), r.texture);
    EXPECT_EQ(StoredInt(stored, "Performance\\LandscapeQuality"), r.landscape);
    EXPECT_EQ(StoredInt(stored, "Performance\\ObjectQuality"), r.objects);
    EXPECT_EQ(StoredInt(stored, "Performance\\MaxFramerate"), r.framerate);
}

// Wine with its 3D turned off, as a machine whose graphics offer the game no 3D: OK stays disabled
// and the dialog says why and what to do, in its language; F1 names what the game can use. Wine
// reads the value when a program starts; the test runs in a session of its own.
class QuorvelWithoutThreeD : public QuorvelProgram {
protected:
    void SetUp() override {
        QuorvelProgram::SetUp();
        ASSERT_EQ(direct3d_.SetText("", "renderer", "no3d"), ERROR_SUCCESS);
    }
    void TearDown() override {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, direct3d_.Path().c_str(), 0, KEY_SET_VALUE, &key) ==
            ERROR_SUCCESS) {
            RegDeleteValueA(key, "renderer");
            RegCloseKey(key);
        }
        QuorvelProgram::TearDown();
    }

    TestKey direct3d_{"Software\\Wine\\Direct3D"};
};

TEST_F(QuorvelWithoutThreeD, OkSaysWhyAndF1NamesWhatTheGameCanUse) {
    ProgramDriver quorvel(QuorvelPath());
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    EXPECT_TRUE(dialog.IsShown(IDC_WHY_NOT_OK));
    EXPECT_EQ(
        dialog.Text(IDC_WHY_NOT_OK),
        "Diese Grafikkarte bietet dem Spiel kein 3D. Treiber installieren oder erneuern (F1).");

    ASSERT_TRUE(dialog.BringToFront());
    ASSERT_TRUE(DialogDriver::PressKey(VK_F1));
    std::string figures;
    ASSERT_TRUE(WaitFor([&] { return !(figures = dialog.ShownTip()).empty(); }, 5000));
    const std::string adapter = dialog.Entry(IDC_ADAPTER, dialog.Selection(IDC_ADAPTER));
    const std::string lines[] = {
        "\nGrafikkarten und Renderer f\xFC"
        "r das Spiel:\n",
        "\n" + adapter + ": keine 3D-Beschleunigung\n",
        "; unter Wine den 32-Bit-OpenGL-Treiber.\n"};
    for (const std::string& line : lines) {
        EXPECT_NE(figures.find(line), std::string::npos) << line << " in\n" << figures;
    }
    dialog.PressEscape();
    EXPECT_TRUE(quorvel.WaitExit());
}

TEST_F(QuorvelWithoutThreeD, TextFollowsTheLanguage) {
    ProgramDriver quorvel(QuorvelPath(), "-advanced");
    DialogDriver dialog = quorvel.WaitDialog(QuorvelFilled);
    ASSERT_TRUE(dialog);
    dialog.Choose(IDC_LANGUAGE, 2);
    EXPECT_EQ(dialog.Text(IDC_WHY_NOT_OK),
              "Cette carte n'offre pas de 3D au jeu. Installez ou mettez \xE0"
              " jour son pilote (F1).");
    EXPECT_FALSE(dialog.IsEnabled(IDC_OK));
    dialog.PressEscape();
    EXPECT_TRUE(quorvel.WaitExit());
}

}  // namespace

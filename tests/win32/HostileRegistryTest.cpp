// Both programs against a settings key that holds what the game, a user or another tool may
// leave there (HostileKey.h): each run must end within 30 s, store its own values as they are
// meant to be stored, and leave everything else as it was. The programs run under Wine against
// the registry of the test prefix; Quorvel.exe lies beside this program, Tinkrel.exe's path is
// the last argument.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "HostileKey.h"
#include "StoreComparison.h"
#include "res/TweakDialogRes.h"
#include "support/ProgramDriver.h"
#include "win32/QuorvelRun.h"

namespace {

using hostile::Data;
using hostile::Dword;
using hostile::HighBytes;
using hostile::Sz;

// Ends a run that hangs or loops over a hostile value. A run takes about 6 s on an idle machine
// of two cores and up to 12 s with two busy processes beside it: the limit leaves room for the
// load, which is no fault of the programs.
constexpr DWORD kRunLimitMs = 30000;
constexpr const char* kPrimaryGuid = "00000000 0000 0000 00 00 00 00 00 00 00 00";
constexpr const char* kHalGuid = "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e";  // Wine's second

struct OwnInput {
    const char* key;
    const char* name;
    Data stored;       // what the program finds
    const char* text;  // what it stores, when that doesn't depend on the run; null also where
                       // it stores nothing, and the value must stay as it was
};

// 255 characters: the longest text the Tcl field and the registry binding carry.
std::string LongTclText() {
    std::string text = "NOSOUND " + HighBytes();
    return text + std::string(255 - text.size(), 't');
}

// Quorvel's values, and what "-automatic" alone stores for them. Numbers are read as the
// standard library's decimal conversion reads them (no hexadecimal, no "inf" or "nan"), then
// truncated with saturation.
std::vector<OwnInput> QuorvelInputs() {
    static const std::string tcl = LongTclText();
    return {
        {"", "TclDefines", Sz(tcl), tcl.c_str()},
        {"", "Language", Sz(std::string(1000, 'l')), "de"},                     // too long to read
        {"Screen", "DirectDrawGUID", Sz(std::string(256, 'g')), kPrimaryGuid},  // too long
        {"Screen", "Direct3DGUID", Sz(HighBytes()), kHalGuid},                  // matches no device
        {"Screen", "Width", Sz("1e10"), "1024"},  // no such mode: the best fit
        {"Screen", "Height", Sz("42abc"), "768"},
        {"Screen", "Fullscreen", {REG_SZ, "0"}, "0"},  // no terminator, still "0": windowed
        {"Screen", "TnL", Dword(1), "0"},              // not read; Wine's device has none
        {"Performance", "TextureQuality", Sz("inf"), "0"},
        {"Performance", "LandscapeQuality", Sz("0x10"), "0"},
        {"Performance", "ObjectQuality", Sz(" 1"), "1"},
        {"Performance", "MaxFramerate", Sz("-1e10"), "10"},  // the slider's lowest
        {"Performance", "RatingCPU", {REG_BINARY, "\x64"}, nullptr},
        {"Performance", "RatingMem", Sz("nan"), nullptr},
        {"Performance", "RatingGfx", {REG_SZ, ""}, nullptr},
        {"Performance", "RatingDsk", {REG_EXPAND_SZ, std::string("50\0", 3)}, nullptr},
    };
}

// Tinkrel's values and what Save stores for them once the player has pressed Reset on each: the
// number read, truncated with saturation, written back as "%g"; where it can't read one, the
// default it shows instead. Values the player leaves alone stay as they were.
std::vector<OwnInput> TinkrelInputs() {
    return {
        {"Performance", "AnimInterpolation", Sz("1e10"), "2.14748e+09"},
        {"Performance", "BorderMask", Sz("-1e10"), "-2.14748e+09"},
        {"Misc", "DIPYieldThreshold", Sz("nan"), "0"},
        {"Misc", "GameSaveCompression", Sz("inf"), "0"},
        {"Performance", "LazyTextureLoad", Sz("0x10"), "0"},
        {"Performance", "LightGlow", Sz(" 42"), "42"},
        {"Performance", "MaxShadowLightDist", Sz("42abc"), "42"},
        {"Misc", "MinThreadSleep", Dword(5), "2"},            // other types are not read
        {"Performance", "MultiTexture", {REG_SZ, "1"}, "1"},  // no terminator
        {"Misc", "NoGamespeedLock", {REG_SZ, ""}, "0"},
        {"Performance", "Particles", Sz(std::string(1000, '1')), "1"},  // too long to read
        {"Misc", "PauseOnDeactivate", Sz("1" + std::string(254, ' ')), "1"},
        {"Misc", "RedundantStateChanges", {REG_EXPAND_SZ, std::string("1\0", 2)}, "0"},
        {"Misc", "ShowFMV", {REG_MULTI_SZ, std::string("1\0\0", 3)}, "1"},
        {"Misc", "ShowQuotes", Sz("\t-7"), "-7"},
        {"Performance", "TexVideoMemLimit", Sz("8192.9"), "8192"},
        {"Misc", "ThreadPriority", Sz("-0.5"), "0"},
        {"Performance", "UseEnvMapping", {REG_BINARY, "\x01"}, "1"},
        {"Misc", "ValidateRenderjobs", Sz("1e-10"), "0"},
        {"Performance", "WebServer", Sz("1"), "1"},
    };
}

ValuePath PathOf(const OwnInput& input) {
    return {Widen(input.key), Widen(input.name)};
}

class HostileRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        hostile::Clear();
        hostile::FillForeignItems();
        for (const auto& inputs : {QuorvelInputs(), TinkrelInputs()}) {
            for (const OwnInput& input : inputs) {
                ASSERT_TRUE(hostile::Set(input.key, input.name, input.stored)) << input.name;
            }
        }
        before_ = SettingsKey();
    }
    void TearDown() override { hostile::Clear(); }

    static Snapshot SettingsKey() { return TakeSnapshot(HKEY_CURRENT_USER, Widen(hostile::kPath)); }

    // Own values whose stored text is known beforehand.
    static void Expect(const std::vector<OwnInput>& inputs, OwnValues& own) {
        for (const OwnInput& input : inputs) {
            if (input.text != nullptr) {
                own[PathOf(input)] = StoredSz(input.text);
            }
        }
    }

    // Runs Quorvel unattended; true when it ended on its own, in time and without crashing.
    static bool RunQuorvel(const std::string& arguments) {
        DWORD start = GetTickCount();
        ProgramDriver quorvel(QuorvelPath(), arguments);
        bool ended = quorvel.WaitExit(kRunLimitMs);
        std::printf("Quorvel.exe %s: %lu ms\n", arguments.c_str(), GetTickCount() - start);
        EXPECT_TRUE(ended) << "Quorvel " << arguments << " still runs";
        EXPECT_EQ(quorvel.ExitCode(), 0u) << std::hex << quorvel.ExitCode();
        return ended && quorvel.ExitCode() == 0;
    }

    // Quorvel's ratings as stored: decimal numbers from 0 to 100, expected as they are; and the
    // proposal they give.
    static Proposal StoredRatings(const Snapshot& after, OwnValues& own) {
        int ratings[4] = {};
        const char* names[] = {"RatingCPU", "RatingMem", "RatingGfx", "RatingDsk"};
        for (int i = 0; i < 4; ++i) {
            const StoredValue* value = FindValue(after, {L"Performance", Widen(names[i])});
            std::string text = value != nullptr ? TextOf(*value) : "(missing)";
            ratings[i] = std::atoi(text.c_str());
            EXPECT_TRUE(ratings[i] >= 0 && ratings[i] <= 100 && text == std::to_string(ratings[i]))
                << names[i] << " = \"" << text << "\"";
            own[{L"Performance", Widen(names[i])}] = StoredSz(std::to_string(ratings[i]));
        }
        return ProposalFor(ratings[0], ratings[1], ratings[2], ratings[3]);
    }

    void ExpectOnlyOwnValuesChanged(const Snapshot& after, const OwnValues& own) {
        std::vector<std::string> differences = Differences(before_, after, own);
        std::string shown;
        for (size_t i = 0; i < differences.size() && i < 30; ++i) {
            shown += differences[i] + "\n";
        }
        EXPECT_TRUE(differences.empty()) << differences.size() << " differences:\n" << shown;
    }

    Snapshot before_;
};

TEST_F(HostileRegistry, QuorvelAutomaticStoresItsOwnValuesOnly) {
    ASSERT_TRUE(RunQuorvel("-automatic"));
    Snapshot after = SettingsKey();
    OwnValues own;
    Expect(QuorvelInputs(), own);
    StoredRatings(after, own);
    ExpectOnlyOwnValuesChanged(after, own);
}

TEST_F(HostileRegistry, QuorvelDefaultsStoresTheRecommendationAndNothingElse) {
    ASSERT_TRUE(RunQuorvel("-automatic -defaults"));
    Snapshot after = SettingsKey();
    OwnValues own;
    Expect(QuorvelInputs(), own);
    Proposal presets = StoredRatings(after, own);
    own[{L"", L"TclDefines"}] = StoredSz("FULL");
    own[{L"Screen", L"Fullscreen"}] = StoredSz("1");
    own[{L"Performance", L"TextureQuality"}] = StoredSz(std::to_string(presets.texture));
    own[{L"Performance", L"LandscapeQuality"}] = StoredSz(std::to_string(presets.landscape));
    own[{L"Performance", L"ObjectQuality"}] = StoredSz(std::to_string(presets.objects));
    own[{L"Performance", L"MaxFramerate"}] = StoredSz(std::to_string(presets.framerate));
    ExpectOnlyOwnValuesChanged(after, own);
}

// Reset on every other parameter: Save stores those and leaves the others as they were.
TEST_F(HostileRegistry, TinkrelSaveStoresTheParametersThePlayerSetOnly) {
    DWORD start = GetTickCount();
    ProgramDriver tinkrel(ProgramBeside(L"Tinkrel.exe"));
    DialogDriver dialog = tinkrel.WaitDialog();
    ASSERT_TRUE(dialog) << "no Tinkrel dialog appeared";
    const std::vector<OwnInput> inputs = TinkrelInputs();
    OwnValues own;
    for (size_t i = 0; i < inputs.size(); i += 2) {
        dialog.ClickRow(IDC_PARAMETER_LIST, static_cast<int>(i) + 1);
        dialog.Press(IDC_RESET);
        own[PathOf(inputs[i])] = StoredSz(inputs[i].text);
    }
    dialog.Press(IDC_SAVE);
    dialog.PostClose(IDCANCEL);
    ASSERT_TRUE(tinkrel.WaitExit(kRunLimitMs));
    DWORD elapsed = GetTickCount() - start;
    std::printf("Tinkrel.exe with Save: %lu ms\n", elapsed);
    EXPECT_LT(elapsed, kRunLimitMs);
    EXPECT_EQ(tinkrel.ExitCode(), 0u) << std::hex << tinkrel.ExitCode();

    ExpectOnlyOwnValuesChanged(SettingsKey(), own);
}

}  // namespace

#include <gtest/gtest.h>

#include "CommandLine.h"
#include "StartSettings.h"

namespace {

constexpr int32_t kRecommendedFramerate = 13;

// Ratings whose recommendation differs from every level's default: objects 1, texture 1,
// landscape 0.
SystemRatings Ratings() {
    SystemRatings r;
    r.ratingAverage = r.ratingMem = r.ratingGfx = 20;
    r.recommendedFramerate = kRecommendedFramerate;
    return r;
}

StoredSettings Read(KCfgTree& tree, const char* arguments = "") {
    return ReadStoredSettings(tree, ParseSwitches(KStr(arguments)).defaults, Ratings());
}

void ExpectRecommendation(const StoredSettings& s) {
    EXPECT_STREQ(s.language.Text(), "de");
    EXPECT_EQ(s.objects, 1);
    EXPECT_EQ(s.texture, 1);
    EXPECT_EQ(s.landscape, 0);
    EXPECT_EQ(s.framerate, kRecommendedFramerate);
}

// A complete set as the program stores it.
void StoreCompleteSet(KCfgTree& tree) {
    tree.ValueAt("TclDefines") = "NOSOUND";
    tree.ValueAt("Language") = "fr";
    tree.ValueAt("Screen/DirectDrawGUID") = "00000000 0000 0000 00 00 00 00 00 00 00 00";
    tree.ValueAt("Screen/Direct3DGUID") = "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e";
    tree.ValueAt("Screen/Width") = "1280";
    tree.ValueAt("Screen/Height") = "960";
    tree.ValueAt("Screen/Fullscreen") = "0";
    tree.ValueAt("Performance/TextureQuality") = "2";
    tree.ValueAt("Performance/LandscapeQuality") = "1";
    tree.ValueAt("Performance/ObjectQuality") = "0";
    tree.ValueAt("Performance/MaxFramerate") = "35";
}

TEST(StartSettings, FirstRunIsDefaultsMode) {
    KCfgTree tree;
    StoredSettings s = Read(tree);
    EXPECT_TRUE(s.defaultsMode);
    EXPECT_TRUE(s.display.fullScreen);
    EXPECT_EQ(s.display.width, 0);
    EXPECT_EQ(s.display.height, 0);
    EXPECT_STREQ(s.display.adapterGuid.Text(), "");
    EXPECT_STREQ(s.tclDefines.Text(), "FULL");
    ExpectRecommendation(s);
}

TEST(StartSettings, TweakToolValuesAloneAreNoFirstRun) {
    KCfgTree tree;
    tree.ValueAt("Performance/ViewDistance") = "300";
    tree.ValueAt("Misc/Gamma") = "12";
    StoredSettings s = Read(tree);
    EXPECT_FALSE(s.defaultsMode);
    EXPECT_STREQ(s.tclDefines.Text(), "");
    EXPECT_EQ(s.texture, 3);
    EXPECT_EQ(s.landscape, 2);
    EXPECT_EQ(s.objects, 2);
    EXPECT_EQ(s.framerate, kRecommendedFramerate);
    EXPECT_TRUE(s.display.fullScreen);
    EXPECT_EQ(s.display.width, 0);
}

TEST(StartSettings, CompleteSetIsReadAsStored) {
    KCfgTree tree;
    StoreCompleteSet(tree);
    StoredSettings s = Read(tree, "-advanced -Defaults");  // the switch is case-sensitive
    EXPECT_FALSE(s.defaultsMode);
    EXPECT_STREQ(s.tclDefines.Text(), "NOSOUND");
    EXPECT_STREQ(s.language.Text(), "de");  // the stored "fr" is not taken
    EXPECT_STREQ(s.display.adapterGuid.Text(), "00000000 0000 0000 00 00 00 00 00 00 00 00");
    EXPECT_STREQ(s.display.deviceGuid.Text(), "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e");
    EXPECT_EQ(s.display.width, 1280);
    EXPECT_EQ(s.display.height, 960);
    EXPECT_FALSE(s.display.fullScreen);
    EXPECT_EQ(s.texture, 2);
    EXPECT_EQ(s.landscape, 1);
    EXPECT_EQ(s.objects, 0);
    EXPECT_EQ(s.framerate, 35);

    // "-defaults" over a complete set: the display GUIDs and size are still read (the lists
    // decide what to do with them), the rest is proposed afresh.
    s = Read(tree, "x-defaultsy");
    EXPECT_TRUE(s.defaultsMode);
    EXPECT_TRUE(s.display.fullScreen);
    EXPECT_STREQ(s.tclDefines.Text(), "FULL");
    EXPECT_STREQ(s.display.deviceGuid.Text(), "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e");
    EXPECT_EQ(s.display.width, 1280);
    ExpectRecommendation(s);
}

TEST(StartSettings, RecommendationReplacesLevelsLanguageAndFramerateOnly) {
    KCfgTree tree;
    StoreCompleteSet(tree);
    StoredSettings s = Read(tree);
    s.language = "fr";
    SystemRatings top;
    top.ratingAverage = top.ratingMem = top.ratingGfx = 100;
    top.recommendedFramerate = 26;
    ApplyRecommendation(s, top);
    EXPECT_STREQ(s.language.Text(), "de");
    EXPECT_EQ(s.objects, 2);
    EXPECT_EQ(s.texture, 4);
    EXPECT_EQ(s.landscape, 2);
    EXPECT_EQ(s.framerate, 26);
    // The display choice and the Tcl text are the store's.
    EXPECT_FALSE(s.defaultsMode);
    EXPECT_STREQ(s.display.adapterGuid.Text(), "00000000 0000 0000 00 00 00 00 00 00 00 00");
    EXPECT_EQ(s.display.width, 1280);
    EXPECT_FALSE(s.display.fullScreen);
    EXPECT_STREQ(s.tclDefines.Text(), "NOSOUND");
}

TEST(StartSettings, OnlyZeroMeansWindowed) {
    struct {
        const char* text;
        bool fullScreen;
    } cases[] = {{"0", false},    {"1", true},  {"", true},
                 {"false", true}, {"00", true}, {" 0", true}};
    for (const auto& c : cases) {
        KCfgTree tree;
        tree.ValueAt("Screen/Fullscreen") = c.text;
        EXPECT_EQ(Read(tree).display.fullScreen, c.fullScreen) << '"' << c.text << '"';
    }
}

TEST(StartSettings, StoredNumbers) {
    struct {
        const char* texture;
        const char* framerate;
        int32_t expectedTexture;
        int32_t expectedFramerate;
    } cases[] = {
        {"9", "60", 4, 60},  // the texture level is capped, the frame rate left to the slider
        {"-2", "5", -2, 5},  // no lower bound
        {"2.9", "abc", 2, 0},
        {"1e12", "-1e12", 4, INT32_MIN},
    };
    for (const auto& c : cases) {
        KCfgTree tree;
        tree.ValueAt("Performance/TextureQuality") = c.texture;
        tree.ValueAt("Performance/MaxFramerate") = c.framerate;
        StoredSettings s = Read(tree);
        EXPECT_EQ(s.texture, c.expectedTexture) << c.texture;
        EXPECT_EQ(s.framerate, c.expectedFramerate) << c.framerate;
    }
}

ConfirmedSettings Confirmed() {
    ConfirmedSettings c;
    c.display.adapterGuid = "00000000 0000 0000 00 00 00 00 00 00 00 00";
    c.display.deviceGuid = "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e";
    c.display.width = 1024;
    c.display.height = 768;
    c.display.hardwareTnL = true;
    c.display.fullScreen = false;
    c.display.hasAdapter = c.display.hasDevice = c.display.hasMode = true;
    c.tclDefines = "FULL";
    c.languagePosition = 1;
    c.texture = -1;
    c.landscape = 2;
    c.objects = 0;
    c.framerate = 40;
    c.ratings.ratingCpu = 100;
    c.ratings.ratingMem = 7;
    c.ratings.ratingGfx = 0;
    c.ratings.ratingDisk = 26;
    return c;
}

TEST(StartSettings, ConfirmedSetIsWrittenBesideTheOthers) {
    KCfgTree tree;
    tree.ValueAt("Performance/ViewDistance") = "300";
    tree.ValueAt("Screen/Width") = "640";
    WriteConfirmedSettings(tree, Confirmed());
    struct {
        const char* path;
        const char* text;
    } expected[] = {
        {"TclDefines", "FULL"},
        {"Language", "de"},
        {"Screen/DirectDrawGUID", "00000000 0000 0000 00 00 00 00 00 00 00 00"},
        {"Screen/Direct3DGUID", "84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e"},
        {"Screen/Width", "1024"},
        {"Screen/Height", "768"},
        {"Screen/TnL", "1"},
        {"Screen/Fullscreen", "0"},
        {"Performance/TextureQuality", "-1"},
        {"Performance/LandscapeQuality", "2"},
        {"Performance/ObjectQuality", "0"},
        {"Performance/MaxFramerate", "40"},
        {"Performance/RatingCPU", "100"},
        {"Performance/RatingMem", "7"},
        {"Performance/RatingGfx", "0"},
        {"Performance/RatingDsk", "26"},
        {"Performance/ViewDistance", "300"},
    };
    for (const auto& e : expected) {
        EXPECT_STREQ(tree.ValueAt(e.path).Text(), e.text) << e.path;
    }
    EXPECT_EQ(tree.Root()->ChildCount(), 4);  // TclDefines, Language, Screen, Performance
    EXPECT_EQ(tree.NodeAt("Screen")->ChildCount(), 6);
    EXPECT_EQ(tree.NodeAt("Performance")->ChildCount(), 9);
}

TEST(StartSettings, MissingListEntriesKeepTheStoredDisplay) {
    KCfgTree tree;
    StoreCompleteSet(tree);
    tree.ValueAt("Screen/TnL") = "1";
    ConfirmedSettings c = Confirmed();
    c.display.hasAdapter = c.display.hasDevice = c.display.hasMode = false;
    c.display.fullScreen = true;
    c.languagePosition = 6;
    WriteConfirmedSettings(tree, c);
    EXPECT_STREQ(tree.ValueAt("Screen/DirectDrawGUID").Text(),
                 "00000000 0000 0000 00 00 00 00 00 00 00 00");
    EXPECT_STREQ(tree.ValueAt("Screen/Width").Text(), "1280");
    EXPECT_STREQ(tree.ValueAt("Screen/Height").Text(), "960");
    EXPECT_STREQ(tree.ValueAt("Screen/TnL").Text(), "1");
    EXPECT_STREQ(tree.ValueAt("Screen/Fullscreen").Text(), "1");
    EXPECT_STREQ(tree.ValueAt("Language").Text(), "");

    // On a first run nothing is invented for them.
    KCfgTree fresh;
    WriteConfirmedSettings(fresh, c);
    EXPECT_EQ(fresh.NodeAt("Screen")->FindChild("Width"), -1);
    EXPECT_EQ(fresh.NodeAt("Screen")->FindChild("DirectDrawGUID"), -1);
    EXPECT_EQ(fresh.NodeAt("Screen")->FindChild("TnL"), -1);
}

}  // namespace

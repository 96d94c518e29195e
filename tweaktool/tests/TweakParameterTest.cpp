#include <gtest/gtest.h>

#include <string>

#include "TweakParameter.h"

namespace {

// The game's parameters as its engine documents them, in list order.
const struct {
    const char* name;
    const char* group;
    int32_t minimum, maximum, defaultValue;
    const char* text;
} kExpected[] = {
    {"AnimInterpolation", "Performance", 0, 1, 1, "Interpolate animations"},
    {"BorderMask", "Performance", 0, 1, 1, "Show smooth black border"},
    {"DIPYieldThreshold", "Misc", 1, 40000, 20000,
     "Yield CPU after every [DIPYieldThreshold] drawn polygons"},
    {"GameSaveCompression", "Misc", 0, 9, 7,
     "Compression level for savegames. 0=no compression 9=highest compression."},
    {"LazyTextureLoad", "Performance", 0, 1, 1, "Enables on-demand loading of textures"},
    {"LightGlow", "Performance", 0, 1, 1, "Enable glow effect for light sources"},
    {"MaxShadowLightDist", "Performance", 0, 25, 8,
     "Maximum distance for light sources to cast shadows"},
    {"MinThreadSleep", "Misc", 2, 500, 2, "Minimum sleep time per frame in milliseconds"},
    {"MultiTexture", "Performance", 0, 1, 1, "Enable multiple texture stages"},
    {"NoGamespeedLock", "Misc", 0, 1, 0, "Unlock screen in pause and turbo mode"},
    {"Particles", "Performance", 0, 1, 1, "Enable particle systems"},
    {"PauseOnDeactivate", "Misc", 0, 1, 1, "Pause game when window gets deactivated"},
    {"RedundantStateChanges", "Misc", 0, 1, 0, "Set all render states on every update"},
    {"ShowFMV", "Misc", 0, 1, 1, "Show intro video when running fullscreen"},
    {"ShowQuotes", "Misc", 0, 1, 0, "Show quote of the day in load screen"},
    {"TexVideoMemLimit", "Performance", 1024, 32768, 4096,
     "Minimum texture memory to keep available"},
    {"ThreadPriority", "Misc", 0, 2, 1, "Game thread priority 0=low 1=normal 2=high"},
    {"UseEnvMapping", "Performance", 0, 1, 1, "Enable environment mapping"},
    {"ValidateRenderjobs", "Misc", 0, 1, 0, "Validate all rendering before sending to DirectX"},
    {"WebServer", "Performance", 0, 1, 0, "Enable in-game webserver on port 8082"},
};

TEST(TweakParameterTable, HoldsTheTwentyParametersInOrder) {
    TweakParameterTable table;
    table.BuildParameterTable();
    ASSERT_EQ(table.Count(), 20);
    for (int32_t i = 0; i < table.Count(); ++i) {
        const auto& e = kExpected[i];
        const TweakParameter& p = *table.At(i);
        SCOPED_TRACE(e.name);
        EXPECT_EQ(p.name, e.name);
        EXPECT_EQ(p.group, e.group);
        EXPECT_EQ(p.minimum, e.minimum);
        EXPECT_EQ(p.maximum, e.maximum);
        EXPECT_EQ(p.defaultValue, e.defaultValue);
        EXPECT_EQ(p.description, (std::string(e.name) + "\n" + e.text).c_str());
        EXPECT_LE(p.minimum, p.defaultValue);
        EXPECT_LE(p.defaultValue, p.maximum);
    }
    EXPECT_EQ(table.At(20), nullptr);
    EXPECT_EQ(table.At(-1), nullptr);
}

TEST(TweakParameterTable, BuildingAgainStartsFromAnEmptyTable) {
    TweakParameterTable table;
    table.BuildParameterTable();
    table.BuildParameterTable();
    EXPECT_EQ(table.Count(), 20);
    EXPECT_EQ(table.At(19)->name, "WebServer");
}

TEST(TweakParameterTable, AddParameterWithoutTextDescribesByNameAlone) {
    TweakParameterTable table;
    ASSERT_TRUE(table.AddParameter("Bare", "Misc", -5, 5, 0));
    ASSERT_TRUE(table.AddParameter("Empty", "Misc", 0, 1, 0, ""));
    EXPECT_EQ(table.At(0)->description, "Bare");
    EXPECT_EQ(table.At(1)->description, "Empty\n");
    EXPECT_EQ(table.At(0)->minimum, -5);
}

TEST(TweakParameterTable, AFullTableRefusesMoreRecords) {
    TweakParameterTable table;
    for (int i = 0; i < TweakParameterTable::kCapacity; ++i) {
        ASSERT_TRUE(table.AddParameter("P", "Misc", 0, 1, 0));
    }
    EXPECT_FALSE(table.AddParameter("Extra", "Misc", 0, 1, 0));
    EXPECT_EQ(table.Count(), TweakParameterTable::kCapacity);
    EXPECT_EQ(table.At(TweakParameterTable::kCapacity - 1)->name, "P");
}

}  // namespace

// The catalogue from the real DirectDraw 7 / Direct3D 7 of the system (Wine's, in our runs): every
// invariant of the catalogue must hold on whatever the drivers report.
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "DisplayCatalogue.h"
#include "SystemRating.h"
#include "win32/DirectDrawLayer.h"

namespace {

// Modes are listed from the smallest: by width, then height, then bits per pixel.
auto OrderOf(const ModeInfo& m) {
    return std::tie(m.width, m.height, m.bitsPerPixel);
}

void ExpectGuidText(const Guid& guid) {
    KStr text = GuidToText(guid);
    EXPECT_EQ(text.Length(), kGuidTextLength) << text.Text();
    for (int i = 0; i < text.Length(); ++i) {
        EXPECT_FALSE(std::isupper(static_cast<unsigned char>(text.GetAt(i)))) << text.Text();
    }
}

void ExpectAdapterInvariants(const AdapterInfo& a) {
    SCOPED_TRACE(a.description.Text());
    if (a.isPrimary) {
        EXPECT_EQ(a.guid, Guid{});
    }
    ExpectGuidText(a.guid);
    bool opened = a.identity.Length() > 0;
    if (opened) {
        EXPECT_EQ(a.driverCaps.Size(), 380u);
        EXPECT_EQ(a.emulationCaps.Size(), 380u);
        if ((a.driverCaps.Caps() & kDdCaps3D) == 0) {
            EXPECT_FALSE(a.usable) << "no 3D hardware";
        }
    } else {
        EXPECT_TRUE(a.usable) << "a driver that can't be opened still counts as usable";
        EXPECT_EQ(a.modes.Count(), 0);
        EXPECT_EQ(a.devices.Count(), 0);
    }
    for (int32_t i = 0; i < a.modes.Count(); ++i) {
        const ModeInfo& m = a.modes[i];
        EXPECT_EQ(m.bitsPerPixel, 16);
        EXPECT_GE(m.width, 800);
        EXPECT_GE(m.height, 600);
        if (i > 0) {
            EXPECT_LE(OrderOf(a.modes[i - 1]), OrderOf(m)) << "mode " << i << " out of order";
        }
    }
    for (const DeviceInfo& d : a.devices) {
        ExpectGuidText(d.guid);
        if (d.hardwareTnL) {
            EXPECT_TRUE(d.usable) << d.name.Text();
        }
    }
}

TEST(DirectDrawUnderWine, CatalogueHoldsEveryInvariant) {
    DirectDrawLayer layer;
    DisplayCatalogue adapters;
    EnumerateAdapters(layer, adapters);
    ASSERT_GE(adapters.Count(), 1);
    int primaries = 0;
    int modes = 0;
    for (const AdapterInfo& adapter : adapters) {
        ExpectAdapterInvariants(adapter);
        primaries += adapter.isPrimary ? 1 : 0;
        modes += adapter.modes.Count();
    }
    EXPECT_EQ(primaries, 1);
    // The test display is at least 800 x 600 and offers 16-bit modes.
    EXPECT_GT(modes, 0);
}

// Wine with OpenGL for the program's bitness, as players have it: 3D on every driver, depth
// buffers named by the Direct3D devices only (0 in the driver caps, as on Windows since Vista).
TEST(DirectDrawUnderWine, WinesDriversAreFitForTheGame) {
    DirectDrawLayer layer;
    DisplayCatalogue adapters;
    EnumerateAdapters(layer, adapters);
    for (const AdapterInfo& adapter : adapters) {
        SCOPED_TRACE(adapter.description.Text());
        ASSERT_NE(adapter.driverCaps.Caps() & kDdCaps3D, 0u)
            << "Wine's DirectDraw without 3D: OpenGL of this bitness missing?";
        EXPECT_EQ(adapter.driverCaps.ZBufferBitDepths(), 0u);
        EXPECT_TRUE(adapter.usable);
        ASSERT_GE(adapter.devices.Count(), 1);
    }
}

TEST(DirectDrawUnderWine, EnumeratingAgainGivesTheSameCatalogue) {
    DirectDrawLayer layer;
    DisplayCatalogue first;
    EnumerateAdapters(layer, first);
    DisplayCatalogue second = first;
    EnumerateAdapters(layer, second);
    ASSERT_EQ(second.Count(), first.Count());
    for (int32_t i = 0; i < first.Count(); ++i) {
        EXPECT_EQ(second[i].guid, first[i].guid);
        EXPECT_EQ(second[i].modes.Count(), first[i].modes.Count());
        EXPECT_EQ(second[i].devices.Count(), first[i].devices.Count());
    }
}

TEST(DirectDrawUnderWine, GraphicsRatingStaysInRange) {
    DirectDrawLayer layer;
    DisplayCatalogue adapters;
    EnumerateAdapters(layer, adapters);
    RatingInputs inputs;
    inputs.largestTextureMemory = LargestTextureMemory(adapters);
    inputs.anyHardwareTnL = AnyHardwareTnL(adapters);
    int32_t gfx = ComputeRatings(inputs).ratingGfx;
    EXPECT_GE(gfx, 0);
    EXPECT_LE(gfx, 100);
    if (inputs.largestTextureMemory >= 256u << 20) {
        EXPECT_EQ(gfx, 100) << inputs.largestTextureMemory << " bytes of texture memory";
    }
}

}  // namespace

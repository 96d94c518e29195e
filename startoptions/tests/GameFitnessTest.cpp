#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DisplayFigures.h"
#include "DisplayLists.h"
#include "GameFitness.h"
#include "Localisation.h"
#include "ScriptedCatalogues.h"

using scripted::Board;
using scripted::Catalogue;
using scripted::Device;
using scripted::TaggedGuid;

namespace {

ScriptedDriver WithDevices(std::vector<Direct3DDeviceDesc> devices) {
    ScriptedDriver board = Board(std::nullopt);
    board.devices = std::move(devices);
    return board;
}

// As Wine offers a board without OpenGL: no 3D, no depths, devices that look fine.
ScriptedDriver WithoutThreeD() {
    ScriptedDriver board = Board(std::nullopt, "Emulation");
    board.caps = 0;
    board.zBufferBitDepths = 0;
    return board;
}

TEST(GameFitness, FirstReasonForTheChoiceDecidesOkAndTheText) {
    ScriptedDriver noDepths = Board(std::nullopt);
    noDepths.zBufferBitDepths = 0;  // and no device rasterises in hardware
    ScriptedDriver noDirect3D = Board(std::nullopt);
    noDirect3D.hasDirect3D7 = false;
    Direct3DDeviceDesc flat = Device("Flat", true, true, 4);  // lacks the depth buffer first
    flat.deviceZBufferBitDepth = scripted::kNoZBuffer16;
    flat.devCaps = 0;
    const struct {
        const char* what;
        std::vector<ScriptedDriver> drivers;
        int32_t adapter, device;
        Unfitness expected;
    } cases[] = {
        {"no 3D before no depths, before the devices",
         {WithoutThreeD()},
         0,
         1,
         Unfitness::kNo3DAcceleration},
        {"no 16-bit depths", {noDepths}, 0, 1, Unfitness::kNoAdapterDepthBuffer},
        {"driver that can't be opened",
         {scripted::Broken(std::nullopt)},
         0,
         1,
         Unfitness::kNoDeviceOffered},
        {"no Direct3D 7", {noDirect3D}, 0, 1, Unfitness::kNoDeviceOffered},
        {"device without 16-bit depth",
         {WithDevices({flat})},
         0,
         0,
         Unfitness::kNoDeviceDepthBuffer},
        {"unusable one of two usable",
         {WithDevices({Device("RGB", false, false, 1), Device("HAL", true, false, 2),
                       Device("HAL2", true, false, 3)})},
         0,
         0,
         Unfitness::kNoTexturesInVideoMemory},
        {"hardware TnL", {Board(std::nullopt)}, 0, 2, Unfitness::kHardwareTnL},
        {"the only device asked for is missing",
         {WithDevices({Device("RGB", false, false, 1)})},
         0,
         1,
         Unfitness::kNoDeviceSelected},
        {"no adapter at all", {}, -1, -1, Unfitness::kNoAdapter},
        {"fit", {Board(std::nullopt)}, 0, 1, Unfitness::kNone},
    };
    for (const auto& c : cases) {
        const DisplayCatalogue adapters = Catalogue(c.drivers);
        const Unfitness reason = ChoiceUnfitness(adapters, c.adapter, c.device);
        EXPECT_EQ(reason, c.expected) << c.what;
        EXPECT_EQ(OkAllowed(adapters, c.adapter, c.device), reason == Unfitness::kNone) << c.what;
    }
}

// A hardware TnL device is recorded usable, yet the rule gives the same answer wherever it is
// asked, whether or not its adapter's devices were ever listed.
TEST(GameFitness, HardwareTnLDeviceOfAnAdapterNeverListed) {
    const DisplayCatalogue adapters = Catalogue({Board(std::nullopt), Board(TaggedGuid(5))});
    DeviceList(adapters, 0, 1);
    const DeviceInfo& tnl = adapters[1].devices[2];
    EXPECT_TRUE(tnl.usable);
    EXPECT_TRUE(tnl.hardwareTnL);
    EXPECT_EQ(DeviceUnfitness(tnl), Unfitness::kHardwareTnL);
    EXPECT_STREQ(DeviceItemText(tnl).Text(), "TL (Hardware TnL) (unsupported)");
    EXPECT_FALSE(OkAllowed(adapters, 1, 2));
}

TEST(GameFitness, EveryReasonHasATextOfItsOwnInEveryLanguage) {
    for (int language = 0; language < kTranslatedLanguageCount; ++language) {
        const DisplayFitnessTexts* texts = DisplayFitnessTextsOf(language);
        ASSERT_NE(texts, nullptr) << language;
        EXPECT_STREQ(texts->whyNotOk[0], "") << "nothing to say while OK may be pressed";
        std::set<std::string> said;
        for (int reason = 1; reason < kUnfitnessCount; ++reason) {
            EXPECT_TRUE(said.insert(texts->whyNotOk[reason]).second) << language << " " << reason;
        }
    }
    EXPECT_EQ(DisplayFitnessTextsOf(kJapanese), nullptr);
}

std::string Joined(const DisplayFigures& figures, std::string* names = nullptr) {
    std::string text;
    for (const DisplayFigures::Piece& piece : figures.pieces) {
        text += piece.text.Text();
        if (piece.systemText && names != nullptr) {
            *names += std::string(piece.text.Text()) + "|";
        }
    }
    return text;
}

TEST(GameFitness, FiguresNameEachAdapterAndTheSelectedOnesDevices) {
    ScriptedDriver fit = Board(TaggedGuid(5), "Fit");
    const DisplayCatalogue adapters = Catalogue({WithoutThreeD(), fit});
    std::string names;
    EXPECT_EQ(Joined(DisplayFiguresOf(kEnglish, adapters, 0, 1), &names),
              "Graphics cards and renderers for the game:\n"
              "Emulation (display.dll certified): no 3D acceleration\n"
              "    RGB: can't keep textures in graphics memory\n"
              "    HAL: usable\n"
              "    TL: hardware transform and lighting, which the game can't use\n"
              "Fit (display.dll certified): usable\n"
              "The game needs a graphics card with 3D acceleration and 16-bit depth buffers.\n"
              "Install or update the graphics card's driver; under Wine, the 32-bit OpenGL "
              "driver.\n"
              "In a virtual machine or over a remote desktop, turn on 3D acceleration, or play on "
              "the computer itself.\n"
              "A DirectDraw replacement in the game's folder that offers only 2D keeps the game "
              "from drawing: remove it.");
    EXPECT_EQ(names, "Emulation (display.dll certified)|RGB|HAL|TL|Fit (display.dll certified)|")
        << "the drivers' names stay in the system's code page";
    // A renderer to choose on a fit card: its devices are listed, and no advice about drivers.
    const std::string fitChosen = Joined(DisplayFiguresOf(kEnglish, adapters, 1, 0));
    EXPECT_NE(fitChosen.find("no 3D acceleration\nFit (display.dll certified): usable\n    RGB:"),
              std::string::npos)
        << fitChosen;
    EXPECT_EQ(fitChosen.substr(fitChosen.rfind('\n') + 1),
              "    TL: hardware transform and lighting, which the game can't use");
    EXPECT_EQ(Joined(DisplayFiguresOf(kEnglish, DisplayCatalogue(), -1, -1)),
              "Graphics cards and renderers for the game:\nno graphics card found\n" +
                  std::string(DisplayFitnessTextsOf(kEnglish)->advice));
    EXPECT_TRUE(DisplayFiguresOf(kJapanese, adapters, 0, 1).pieces.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include "DisplayLists.h"
#include "ScriptedCatalogues.h"

using scripted::Board;
using scripted::Catalogue;
using scripted::Device;
using scripted::FlatBoard;
using scripted::TaggedGuid;

namespace {

std::vector<std::string> Texts(const ListContent& list) {
    std::vector<std::string> texts;
    for (const KStr& item : list.items) {
        texts.emplace_back(item.Text());
    }
    return texts;
}

GrowArray<ModeInfo> Modes(std::initializer_list<ModeInfo> modes) {
    GrowArray<ModeInfo> array;
    for (const ModeInfo& mode : modes) {
        array.Append() = mode;
    }
    return array;
}

TEST(DisplayLists, ItemTexts) {
    DisplayCatalogue adapters = Catalogue({Board(std::nullopt), scripted::Broken(TaggedGuid(7))});
    EXPECT_EQ(Texts(AdapterList(adapters, 0)),
              (std::vector<std::string>{"Board (display.dll certified)", " ()"}));
    EXPECT_EQ(
        Texts(DeviceList(adapters, 0, 0)),
        (std::vector<std::string>{"RGB (unsupported)", "HAL", "TL (Hardware TnL) (unsupported)"}));
    EXPECT_EQ(Texts(ModeList(adapters, 0, 0)),
              (std::vector<std::string>{"800 x 600 (4:3)", "1024 x 768 (4:3)", "1152 x 864 (4:3)",
                                        "1280 x 960 (4:3)", "1280 x 1024 (5:4)"}));
    struct {
        ModeInfo mode;
        const char* text;
    } modes[] = {{{1280, 720, 16}, "1280 x 720 (16:9)"},
                 {{1024, 1024, 16}, "1024 x 1024 (1:1)"},
                 {{1680, 1050, 16}, "1680 x 1050 (8:5)"},
                 {{1366, 768, 16}, "1366 x 768 (683:384)"}};
    for (const auto& c : modes) {
        EXPECT_STREQ(ModeItemText(c.mode).Text(), c.text);
    }
}

TEST(DisplayLists, SingleUsableDeviceIsSelectedAndLocked) {
    for (int32_t requested : {-1, 0, 1, 2, 3, 99}) {
        DisplayCatalogue adapters = Catalogue({Board(std::nullopt)});
        ListContent devices = DeviceList(adapters, 0, requested);
        EXPECT_EQ(devices.selection, 1) << requested;
        EXPECT_FALSE(devices.enabled) << requested;
        EXPECT_TRUE(OkAllowed(adapters, 0, devices.selection));
        // The hardware TnL device is offered as unsupported, while the catalogue keeps it
        // recorded usable, with its flag.
        EXPECT_TRUE(adapters[0].devices[2].usable);
        EXPECT_TRUE(adapters[0].devices[2].hardwareTnL);
    }
}

TEST(DisplayLists, DeviceSelectionWithOneOrTwoUsableDevices) {
    ScriptedDriver single = Board(std::nullopt);
    single.devices = {Device("RGB", false, false, 1)};
    DisplayCatalogue adapters = Catalogue({single});
    // The second device asked for does not exist: nothing selected, the list stays open.
    ListContent devices = DeviceList(adapters, 0, 1);
    EXPECT_EQ(devices.selection, -1);
    EXPECT_TRUE(devices.enabled);
    EXPECT_FALSE(OkAllowed(adapters, 0, devices.selection));

    single.devices = {Device("HAL", true, false, 2)};
    adapters = Catalogue({single});
    devices = DeviceList(adapters, 0, 1);
    EXPECT_EQ(devices.selection, 0);
    EXPECT_FALSE(devices.enabled);

    ScriptedDriver two = Board(std::nullopt);
    two.devices = {Device("RGB", false, false, 1), Device("HAL", true, false, 2),
                   Device("HAL2", true, false, 3)};
    adapters = Catalogue({two});
    devices = DeviceList(adapters, 0, 0);
    EXPECT_EQ(devices.selection, 0);
    EXPECT_TRUE(devices.enabled);
    EXPECT_FALSE(OkAllowed(adapters, 0, 0));
    EXPECT_TRUE(OkAllowed(adapters, 0, 2));
}

TEST(DisplayLists, AdapterListLocksOnTheOnlyUsableAdapter) {
    DisplayCatalogue adapters = Catalogue({FlatBoard(std::nullopt), Board(TaggedGuid(5))});
    ListContent list = AdapterList(adapters, 0);
    EXPECT_FALSE(list.enabled);
    EXPECT_EQ(list.selection, 1);

    adapters = Catalogue({FlatBoard(std::nullopt), FlatBoard(TaggedGuid(5))});
    list = AdapterList(adapters, 1);
    EXPECT_TRUE(list.enabled);
    EXPECT_EQ(list.selection, 1);
    EXPECT_FALSE(OkAllowed(adapters, 1, 1));  // the device is fine, the adapter is not

    adapters = Catalogue({Board(std::nullopt), Board(TaggedGuid(5))});
    list = AdapterList(adapters, 1);
    EXPECT_TRUE(list.enabled);
    EXPECT_EQ(list.selection, 1);
}

TEST(DisplayLists, EmptyCatalogueOffersNothing) {
    DisplayCatalogue adapters;
    EXPECT_TRUE(AdapterList(adapters, 0).items.empty());
    EXPECT_EQ(AdapterList(adapters, 0).selection, -1);
    EXPECT_TRUE(DeviceList(adapters, -1, 1).items.empty());
    EXPECT_EQ(DeviceList(adapters, 0, 1).selection, -1);
    EXPECT_TRUE(ModeList(adapters, 0, 0).items.empty());
    EXPECT_FALSE(OkAllowed(adapters, 0, 1));
    EXPECT_EQ(StoredModeIndex(adapters, 0, DisplayChoice(), true, 1280, 994), -1);
    DisplayChoice none = ChoiceFromLists(adapters, 0, 1, 0, false);
    EXPECT_FALSE(none.hasAdapter || none.hasDevice || none.hasMode);
    EXPECT_FALSE(none.fullScreen);
}

TEST(DisplayLists, BestFitMode) {
    GrowArray<ModeInfo> modes = Modes(
        {{800, 600, 16}, {1024, 768, 16}, {1152, 864, 16}, {1280, 960, 16}, {1280, 1024, 16}});
    struct {
        int32_t width, height, expected;
    } cases[] = {
        {1280, 994, 1},   // 1152 x 864 is not clearly closer than 1024 x 768
        {1280, 1035, 1},  // a 1280 x 1024 virtual desktop under Wine
        {1600, 1170, 3},  // 1024 x 768 and 1280 x 960 are each clearly closer
        {800, 570, 0},    // exactly 800 wide: every mode is a candidate, the first wins
        {799, 2000, -1},  // narrower than any mode
        {1280, 1024, 1},  // 1280 x 960 is not narrower than the desktop
        {801, 601, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BestFitMode(modes, c.width, c.height), c.expected) << c.width << "x" << c.height;
    }
    // With the desktop exactly 800 wide a later mode wins only when clearly closer.
    EXPECT_EQ(BestFitMode(Modes({{800, 600, 16}, {800, 1200, 16}}), 800, 1200), 1);
    EXPECT_EQ(BestFitMode(Modes({{800, 600, 16}, {800, 800, 16}}), 800, 800), 0);
    EXPECT_EQ(BestFitMode(GrowArray<ModeInfo>(), 1280, 994), -1);
}

TEST(DisplayLists, SelectionFromTheStoredChoice) {
    DisplayCatalogue adapters = Catalogue({Board(std::nullopt), Board(TaggedGuid(5), "Second")});
    DisplayChoice stored;
    stored.adapterGuid = GuidToText(TaggedGuid(5)).Upper();
    stored.deviceGuid = GuidToText(TaggedGuid(3)).Upper();
    stored.width = 1280;
    stored.height = 960;
    EXPECT_EQ(StoredAdapterIndex(adapters, stored), 1);
    EXPECT_EQ(StoredDeviceIndex(adapters, 1, stored), 2);
    EXPECT_EQ(StoredModeIndex(adapters, 1, stored, false, 1280, 994), 3);
    // Defaults mode ignores the stored size.
    EXPECT_EQ(StoredModeIndex(adapters, 1, stored, true, 1280, 994), 1);

    DisplayChoice unknown;
    unknown.adapterGuid = "not a guid";
    unknown.width = 1280;
    unknown.height = 720;
    EXPECT_EQ(StoredAdapterIndex(adapters, unknown), 0);
    EXPECT_EQ(StoredAdapterIndex(adapters, DisplayChoice()), 0);
    EXPECT_EQ(StoredDeviceIndex(adapters, 0, unknown), 1);
    // No exact mode: the best fit, not the first mode.
    EXPECT_EQ(StoredModeIndex(adapters, 0, unknown, false, 1280, 994), 1);
}

TEST(DisplayLists, ChoiceFromTheSelectedEntries) {
    DisplayCatalogue adapters = Catalogue({Board(std::nullopt), Board(TaggedGuid(5))});
    DeviceList(adapters, 1, 0);  // marks TL unsupported, as listing does
    DisplayChoice choice = ChoiceFromLists(adapters, 0, 2, 4, true);
    EXPECT_TRUE(choice.hasAdapter && choice.hasDevice && choice.hasMode);
    EXPECT_STREQ(choice.adapterGuid.Text(), "00000000 0000 0000 00 00 00 00 00 00 00 00");
    EXPECT_STREQ(choice.deviceGuid.Text(), GuidToText(TaggedGuid(3)).Text());
    EXPECT_TRUE(choice.hardwareTnL);
    EXPECT_EQ(choice.width, 1280);
    EXPECT_EQ(choice.height, 1024);
    EXPECT_TRUE(choice.fullScreen);

    choice = ChoiceFromLists(adapters, 1, -1, -1, false);
    EXPECT_TRUE(choice.hasAdapter);
    EXPECT_STREQ(choice.adapterGuid.Text(), GuidToText(TaggedGuid(5)).Text());
    EXPECT_FALSE(choice.hasDevice);
    EXPECT_FALSE(choice.hasMode);
    EXPECT_FALSE(choice.hardwareTnL);
    EXPECT_FALSE(ChoiceFromLists(adapters, 1, 3, 5, false).hasDevice);
    EXPECT_FALSE(ChoiceFromLists(adapters, 1, 3, 5, false).hasMode);
}

}  // namespace

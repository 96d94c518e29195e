#include <gtest/gtest.h>

#include "DisplayCatalogue.h"
#include "ScriptedDisplayDrivers.h"

namespace {

constexpr Guid kDirectDraw7 = {
    0x15e65ec0, 0x3b9c, 0x11d2, {0xb9, 0x2f, 0x00, 0x60, 0x97, 0x97, 0xea, 0x5b}};
constexpr Guid kSecondGuid = {0x00000002, 0, 0, {0, 0, 0, 0, 0, 0, 0, 2}};
constexpr Guid kThirdGuid = {0x00000003, 0, 0, {0, 0, 0, 0, 0, 0, 0, 3}};
constexpr Guid kFourthGuid = {0x00000004, 0, 0, {0, 0, 0, 0, 0, 0, 0, 4}};
constexpr Guid kFifthGuid = {0x00000005, 0, 0, {0, 0, 0, 0, 0, 0, 0, 5}};

constexpr uint32_t kZBuffer16And24 = 0x600;  // DDBD_16 | DDBD_24
constexpr uint32_t kZBuffer24And32 = 0x300;  // DDBD_24 | DDBD_32
constexpr uint32_t kUsableDevCaps = kD3dDevCapsTextureVideoMemory;

Direct3DDeviceDesc Device(const char* name, uint32_t devCaps, uint32_t zBits, uint32_t guidTag) {
    Direct3DDeviceDesc device;
    device.description = KStr("%s device", name);
    device.name = name;
    device.devCaps = devCaps;
    device.deviceZBufferBitDepth = zBits;
    device.deviceGuid = Guid{guidTag, 0, 0, {}};
    return device;
}

// A driver fit for the game: 3D hardware, 16-bit depth buffers, RGB / HAL / TL devices.
ScriptedDriver FitDriver(std::optional<Guid> guid) {
    ScriptedDriver d;
    d.guid = guid;
    d.textureMemory = 16 << 20;
    d.identifier = {"display.dll", "Board", 1};
    d.caps = kDdCaps3D | 0x40;
    d.zBufferBitDepths = kZBuffer16And24;
    d.modes = {{1280, 1024, 16}, {640, 480, 16}, {800, 600, 16},  {800, 600, 32},
               {1280, 960, 16},  {1024, 768, 8}, {1024, 768, 16}, {800, 600, 16}};
    d.devices = {Device("RGB", 0, kZBuffer16And24, 1),
                 Device("HAL", kUsableDevCaps, kZBuffer16And24, 2),
                 Device("TL", kUsableDevCaps | kD3dDevCapsHwTransformAndLight, kZBuffer16And24, 3)};
    return d;
}

struct ModeCase {
    DisplayModeDesc mode;
    bool passes;
};

TEST(DisplayCatalogue, GuidTextIsFixedWidthLowerCase) {
    EXPECT_STREQ(GuidToText(kDirectDraw7).Text(), "15e65ec0 3b9c 11d2 b9 2f 00 60 97 97 ea 5b");
    EXPECT_STREQ(GuidToText(Guid{}).Text(), "00000000 0000 0000 00 00 00 00 00 00 00 00");
    Guid ones = {0xffffffff, 0xffff, 0xffff, {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}};
    EXPECT_STREQ(GuidToText(ones).Text(), "ffffffff ffff ffff ff ff ff ff ff ff ff ff");
    EXPECT_EQ(GuidToText(ones).Length(), kGuidTextLength);
}

TEST(DisplayCatalogue, CertificationTextFromWhqlLevel) {
    EXPECT_STREQ(CertificationText(0).Text(), "not certified");
    EXPECT_STREQ(CertificationText(1).Text(), "certified");
    EXPECT_STREQ(CertificationText(0x07D1030F).Text(), "certified on 15.03.2001");
    EXPECT_STREQ(CertificationText(2).Text(), "certified on 02.00.00");
    EXPECT_STREQ(CertificationText(0xFFFFFFFF).Text(), "certified on 255.255.65535");
}

TEST(DisplayCatalogue, ModeFilterKeepsOnly16BitModesFrom800x600) {
    const ModeCase cases[] = {
        {{640, 480, 16}, false},  {{800, 600, 32}, false},         {{1024, 768, 8}, false},
        {{800, 600, 16}, true},   {{799, 600, 16}, false},         {{800, 599, 16}, false},
        {{1600, 1200, 16}, true}, {{0x80000000u, 600, 16}, false}, {{800, 0x80000000u, 16}, false},
    };
    for (const ModeCase& c : cases) {
        EXPECT_EQ(PassesModeFilter(c.mode), c.passes)
            << c.mode.width << " x " << c.mode.height << " x " << c.mode.rgbBitCount;
    }
}

TEST(DisplayCatalogue, ModeOrderIsByWidthHeightThenBits) {
    GrowArray<ModeInfo> modes;
    for (ModeInfo m : {ModeInfo{1280, 1024, 16}, ModeInfo{800, 600, 16}, ModeInfo{1280, 960, 16},
                       ModeInfo{1024, 768, 32}, ModeInfo{1024, 768, 16}}) {
        modes.Append() = m;
    }
    SortModes(modes);
    const int expected[][3] = {
        {800, 600, 16}, {1024, 768, 16}, {1024, 768, 32}, {1280, 960, 16}, {1280, 1024, 16}};
    ASSERT_EQ(modes.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(modes[i].width, expected[i][0]) << i;
        EXPECT_EQ(modes[i].height, expected[i][1]) << i;
        EXPECT_EQ(modes[i].bitsPerPixel, expected[i][2]) << i;
    }
    GrowArray<ModeInfo> none;
    SortModes(none);
    EXPECT_EQ(none.Count(), 0);
}

TEST(DisplayCatalogue, DeviceTestNeeds16BitDepthAndVideoMemoryTextures) {
    struct Case {
        uint32_t devCaps, zBits;
        bool usable, hardwareTnL;
    } cases[] = {
        {kUsableDevCaps | kD3dDevCapsHwTransformAndLight, kZBuffer16And24, true, true},
        {kUsableDevCaps | kD3dDevCapsHwTransformAndLight, kZBuffer24And32, false, false},
        {kD3dDevCapsHwTransformAndLight, kZBuffer16And24, false, false},
        {kUsableDevCaps, kDdBitDepth16, true, false},
        {0, 0, false, false},
    };
    AdapterInfo adapter;
    for (const Case& c : cases) {
        AddDevice(adapter, Device("D", c.devCaps, c.zBits, 9));
        const DeviceInfo& device = adapter.devices[adapter.devices.Count() - 1];
        EXPECT_EQ(device.usable, c.usable) << std::hex << c.devCaps << " " << c.zBits;
        EXPECT_EQ(device.hardwareTnL, c.hardwareTnL) << std::hex << c.devCaps << " " << c.zBits;
    }
}

class EnumerationTest : public ::testing::Test {
protected:
    void Enumerate(std::vector<ScriptedDriver> drivers) {
        layer = std::make_unique<ScriptedDisplayDrivers>(std::move(drivers));
        EnumerateAdapters(*layer, adapters);
    }

    std::unique_ptr<ScriptedDisplayDrivers> layer;
    DisplayCatalogue adapters;
};

TEST_F(EnumerationTest, PrimaryDriverWithoutGuid) {
    Enumerate({FitDriver(std::nullopt)});
    ASSERT_EQ(adapters.Count(), 1);
    const AdapterInfo& a = adapters[0];
    EXPECT_TRUE(a.isPrimary);
    EXPECT_EQ(a.guid, Guid{});
    EXPECT_STREQ(GuidToText(a.guid).Text(), "00000000 0000 0000 00 00 00 00 00 00 00 00");
    EXPECT_STREQ(a.driverName.Text(), "display");
    EXPECT_STREQ(a.description.Text(), "Board");
    EXPECT_STREQ(a.identity.Text(), "display.dll certified");
    EXPECT_EQ(a.textureMemory, 16u << 20);
    EXPECT_TRUE(a.usable);
    ASSERT_EQ(layer->openRequests.size(), 1u);
    EXPECT_FALSE(layer->openRequests[0].has_value()) << "the primary is opened with a null GUID";
}

TEST_F(EnumerationTest, ModesAreFilteredAndSortedWithDuplicatesKept) {
    Enumerate({FitDriver(std::nullopt)});
    const GrowArray<ModeInfo>& modes = adapters[0].modes;
    const int expected[][2] = {{800, 600}, {800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};
    ASSERT_EQ(modes.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(modes[i].width, expected[i][0]) << i;
        EXPECT_EQ(modes[i].height, expected[i][1]) << i;
        EXPECT_EQ(modes[i].bitsPerPixel, 16) << i;
    }
}

TEST_F(EnumerationTest, DevicesKeepDirect3DOrderAndFlags) {
    Enumerate({FitDriver(std::nullopt)});
    const GrowArray<DeviceInfo>& devices = adapters[0].devices;
    ASSERT_EQ(devices.Count(), 3);
    const char* names[] = {"RGB", "HAL", "TL"};
    const bool usable[] = {false, true, true};
    const bool tnl[] = {false, false, true};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(devices[i].name.Text(), names[i]);
        EXPECT_EQ(devices[i].description, KStr("%s device", names[i]));
        EXPECT_EQ(devices[i].guid.Data1, static_cast<uint32_t>(i + 1));
        EXPECT_EQ(devices[i].usable, usable[i]) << names[i];
        EXPECT_EQ(devices[i].hardwareTnL, tnl[i]) << names[i];
    }
}

TEST_F(EnumerationTest, UnfitAdaptersKeepTheirModesAndDevices) {
    ScriptedDriver no3d = FitDriver(kSecondGuid);
    no3d.caps = 0x40;
    no3d.identifier = {"vga.drv", "Plain", 0x07D1030F};
    ScriptedDriver no16BitDepth = FitDriver(kThirdGuid);
    no16BitDepth.zBufferBitDepths = kZBuffer24And32;
    no16BitDepth.identifier = {"deep.dll", "Deep", 0};
    Enumerate({no3d, no16BitDepth});

    ASSERT_EQ(adapters.Count(), 2);
    for (const AdapterInfo& a : adapters) {
        EXPECT_FALSE(a.isPrimary);
        EXPECT_FALSE(a.usable) << a.description.Text();
        EXPECT_EQ(a.modes.Count(), 5) << a.description.Text();
        EXPECT_EQ(a.devices.Count(), 3) << a.description.Text();
    }
    EXPECT_EQ(adapters[0].guid, kSecondGuid);
    EXPECT_STREQ(adapters[0].identity.Text(), "vga.drv certified on 15.03.2001");
    EXPECT_STREQ(adapters[1].identity.Text(), "deep.dll not certified");
    EXPECT_EQ(adapters[1].driverCaps.ZBufferBitDepths(), kZBuffer24And32);
}

// Drivers of today name no depths in their caps; their devices do (Wine: 0x600 on every device).
TEST_F(EnumerationTest, CapsWithoutDepthsAskTheHardwareDevices) {
    constexpr uint32_t kHardware = kUsableDevCaps | kD3dDevCapsHwRasterization;
    const struct {
        uint32_t caps, capsDepths;
        std::vector<Direct3DDeviceDesc> devices;
        bool usable;
    } cases[] = {
        {kDdCaps3D, 0, {Device("RGB", 0, 0x600, 1), Device("HAL", kHardware, 0x600, 2)}, true},
        {kDdCaps3D, 0, {Device("HAL", kHardware, kZBuffer24And32, 2)}, false},
        {kDdCaps3D, 0, {Device("RGB", kUsableDevCaps, kZBuffer16And24, 1)}, false},
        {kDdCaps3D, 0, {}, false},
        {0, 0, {Device("HAL", kHardware, kZBuffer16And24, 2)}, false},
        {kDdCaps3D, 0x100, {Device("HAL", kHardware, kZBuffer16And24, 2)}, false},  // 24 bits only
        {kDdCaps3D, kZBuffer16And24, {Device("RGB", 0, 0, 1)}, true},
    };
    for (const auto& c : cases) {
        ScriptedDriver driver = FitDriver(kSecondGuid);
        driver.caps = c.caps;
        driver.zBufferBitDepths = c.capsDepths;
        driver.devices = c.devices;
        Enumerate({driver});
        ASSERT_EQ(adapters.Count(), 1);
        EXPECT_EQ(adapters[0].usable, c.usable)
            << std::hex << "caps " << c.caps << " depths " << c.capsDepths << " with "
            << c.devices.size() << " devices";
    }
}

TEST_F(EnumerationTest, DriverThatCantBeOpenedStaysListedAsUsable) {
    ScriptedDriver broken = FitDriver(kFourthGuid);
    broken.opens = false;
    broken.driverName = "\\\\.\\DISPLAY2";
    Enumerate({broken, FitDriver(std::nullopt)});

    ASSERT_EQ(adapters.Count(), 2) << "enumeration goes on after the failure";
    const AdapterInfo& a = adapters[0];
    EXPECT_FALSE(a.isPrimary);
    EXPECT_EQ(a.guid, kFourthGuid);
    EXPECT_STREQ(a.driverName.Text(), "\\\\.\\DISPLAY2");
    EXPECT_TRUE(a.usable);
    EXPECT_EQ(a.description.Length(), 0);
    EXPECT_EQ(a.identity.Length(), 0);
    EXPECT_EQ(a.textureMemory, 0u);
    EXPECT_EQ(a.modes.Count(), 0);
    EXPECT_EQ(a.devices.Count(), 0);
    EXPECT_EQ(adapters[1].modes.Count(), 5);
}

TEST_F(EnumerationTest, DriverWithoutDirect3D7HasModesButNoDevices) {
    ScriptedDriver no3d7 = FitDriver(kFifthGuid);
    no3d7.hasDirect3D7 = false;
    Enumerate({no3d7});
    ASSERT_EQ(adapters.Count(), 1);
    EXPECT_TRUE(adapters[0].usable);
    EXPECT_EQ(adapters[0].modes.Count(), 5);
    EXPECT_EQ(adapters[0].devices.Count(), 0);
    EXPECT_EQ(adapters[0].driverCaps.Caps(), kDdCaps3D | 0x40);
}

TEST_F(EnumerationTest, CapsBlocksAreClearedAndSizedAndEveryDriverReleased) {
    ScriptedDriver broken = FitDriver(kFourthGuid);
    broken.opens = false;
    Enumerate({FitDriver(std::nullopt), broken, FitDriver(kSecondGuid)});
    EXPECT_EQ(layer->opened, 2);
    EXPECT_EQ(layer->released, 2);
    ASSERT_EQ(layer->capsSizesSeen.size(), 4u);
    for (uint32_t size : layer->capsSizesSeen) {
        EXPECT_EQ(size, 380u);
    }
    EXPECT_EQ(adapters[2].driverCaps.Size(), 380u);
    EXPECT_EQ(adapters[2].emulationCaps.Size(), 380u);
    EXPECT_EQ(adapters[2].emulationCaps.Caps(), 0u) << "the emulation block is left as cleared";
}

TEST_F(EnumerationTest, EnumeratingAgainStartsFromAnEmptyCatalogue) {
    Enumerate({FitDriver(std::nullopt), FitDriver(kSecondGuid)});
    EnumerateAdapters(*layer, adapters);
    EXPECT_EQ(adapters.Count(), 2);
    Enumerate({});
    EXPECT_EQ(adapters.Count(), 0);
    EXPECT_EQ(adapters.Capacity(), 0);
}

}  // namespace

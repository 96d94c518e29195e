#include "DisplayCatalogue.h"

#include <climits>
#include <utility>

#include "GameFitness.h"

namespace {

// a > b in mode order.
bool ModeAfter(const ModeInfo& a, const ModeInfo& b) {
    if (a.width != b.width) {
        return a.width > b.width;
    }
    if (a.height != b.height) {
        return a.height > b.height;
    }
    return a.bitsPerPixel > b.bitsPerPixel;
}

void AddModeIfUsable(AdapterInfo& adapter, const DisplayModeDesc& mode) {
    if (!PassesModeFilter(mode)) {
        return;
    }
    ModeInfo& info = adapter.modes.Append();
    info.width = static_cast<int32_t>(mode.width);
    info.height = static_cast<int32_t>(mode.height);
    info.bitsPerPixel = static_cast<int32_t>(mode.rgbBitCount);
}

// Everything that needs the opened driver; a driver that can't be opened skips all of it.
void DescribeOpenedDriver(DisplayDriver& driver, AdapterInfo& adapter) {
    adapter.driverCaps = DdCapsBlock::Cleared();
    adapter.emulationCaps = DdCapsBlock::Cleared();
    adapter.textureMemory = driver.TextureMemory();
    DriverIdentifier identifier = driver.Identifier();
    adapter.description = identifier.description;
    adapter.identity =
        KStr("%s %s", identifier.driver.Text(), CertificationText(identifier.whqlLevel).Text());
    driver.GetCaps(adapter.driverCaps, adapter.emulationCaps);
    driver.EnumerateModes(
        [&adapter](const DisplayModeDesc& mode) { AddModeIfUsable(adapter, mode); });
    SortModes(adapter.modes);
    // Devices are recorded even for an unfit driver; without Direct3D 7 there are none. Their
    // depth buffers count for a driver that names none of its own.
    driver.EnumerateDevices([&](const Direct3DDeviceDesc& device) { AddDevice(adapter, device); });
    adapter.usable = DriverUnfitness(adapter) == Unfitness::kNone;
}

void AddAdapter(DisplayDriverLayer& layer, DisplayCatalogue& adapters, const Guid* guid,
                const KStr& driverName) {
    AdapterInfo& adapter = adapters.Append();
    adapter.isPrimary = guid == nullptr;
    adapter.guid = guid == nullptr ? Guid{} : *guid;
    adapter.driverName = driverName;
    adapter.usable = true;
    // A driver that can't be opened stays listed, as usable, with nothing else known about it.
    if (std::unique_ptr<DisplayDriver> driver = layer.Open(guid)) {
        DescribeOpenedDriver(*driver, adapter);
    }
}

}  // namespace

void EnumerateAdapters(DisplayDriverLayer& layer, DisplayCatalogue& adapters) {
    adapters.Clear();
    layer.EnumerateDrivers([&](const Guid* guid, const KStr& driverName) {
        AddAdapter(layer, adapters, guid, driverName);
    });
}

KStr CertificationText(uint32_t whqlLevel) {
    if (whqlLevel == 0) {
        return "not certified";
    }
    if (whqlLevel == 1) {
        return "certified";
    }
    int day = static_cast<int>(whqlLevel & 0xFF);
    int month = static_cast<int>((whqlLevel >> 8) & 0xFF);
    int year = static_cast<int>(whqlLevel >> 16);
    return KStr("certified on %02d.%02d.%02d", day, month, year);
}

bool PassesModeFilter(const DisplayModeDesc& mode) {
    // Sizes beyond the signed range the mode records hold would turn negative there.
    constexpr uint32_t kLargest = INT32_MAX;
    return mode.rgbBitCount == 16 && mode.width >= 800 && mode.height >= 600 &&
           mode.width <= kLargest && mode.height <= kLargest;
}

void SortModes(GrowArray<ModeInfo>& modes) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int32_t i = 0; i + 1 < modes.Count(); ++i) {
            if (ModeAfter(modes[i], modes[i + 1])) {
                std::swap(modes[i], modes[i + 1]);
                swapped = true;
            }
        }
    }
}

void AddDevice(AdapterInfo& adapter, const Direct3DDeviceDesc& device) {
    DeviceInfo& info = adapter.devices.Append();
    info.guid = device.deviceGuid;
    info.name = device.name;
    info.description = device.description;
    info.devCaps = device.devCaps;
    info.zBufferBitDepths = device.deviceZBufferBitDepth;
    // Hardware transform and lighting is recorded apart: such a device has what the game needs.
    const Unfitness reason = DeviceUnfitness(info);
    info.hardwareTnL = reason == Unfitness::kHardwareTnL;
    info.usable = reason == Unfitness::kNone || info.hardwareTnL;
}

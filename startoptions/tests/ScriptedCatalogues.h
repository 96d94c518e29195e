#pragma once

#include <optional>
#include <vector>

#include "DisplayCatalogue.h"
#include "ScriptedDisplayDrivers.h"

// Scripted drivers for the dialog's lists, with the device mix the lists must tell apart.
namespace scripted {

constexpr uint32_t kZBuffer16 = 0x600;  // DDBD_16 | DDBD_24
constexpr uint32_t kNoZBuffer16 = 0x300;

inline Guid TaggedGuid(uint32_t tag) {
    return Guid{0xABCDEF00u + tag, 0xBEEF, 0, {0, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(tag)}};
}

inline Direct3DDeviceDesc Device(const char* name, bool usable, bool hardwareTnL, uint32_t tag) {
    Direct3DDeviceDesc d;
    d.name = name;
    d.description = KStr("%s device", name);
    d.devCaps = (usable ? kD3dDevCapsTextureVideoMemory : 0) |
                (hardwareTnL ? kD3dDevCapsHwTransformAndLight : 0);
    d.deviceZBufferBitDepth = kZBuffer16;
    d.deviceGuid = TaggedGuid(tag);
    return d;
}

// Devices RGB (unusable), HAL (usable) and TL (hardware transform and lighting).
inline std::vector<Direct3DDeviceDesc> RgbHalTl() {
    return {Device("RGB", false, false, 1), Device("HAL", true, false, 2),
            Device("TL", true, true, 3)};
}

// An adapter fit for the game, offering 800 x 600 to 1280 x 1024.
inline ScriptedDriver Board(std::optional<Guid> guid, const char* description = "Board") {
    ScriptedDriver d;
    d.guid = guid;
    d.textureMemory = 16 << 20;
    d.identifier = {"display.dll", description, 1};
    d.caps = kDdCaps3D;
    d.zBufferBitDepths = kZBuffer16;
    d.modes = {{1280, 1024, 16}, {800, 600, 16}, {1280, 960, 16}, {1152, 864, 16}, {1024, 768, 16}};
    d.devices = RgbHalTl();
    return d;
}

// The same board without 3D hardware: listed, but not usable.
inline ScriptedDriver FlatBoard(std::optional<Guid> guid) {
    ScriptedDriver d = Board(guid, "Flat");
    d.caps = 0;
    return d;
}

// A driver that can't be opened.
inline ScriptedDriver Broken(std::optional<Guid> guid) {
    ScriptedDriver d;
    d.guid = guid;
    d.opens = false;
    return d;
}

inline DisplayCatalogue Catalogue(std::vector<ScriptedDriver> drivers) {
    ScriptedDisplayDrivers layer(std::move(drivers));
    DisplayCatalogue adapters;
    EnumerateAdapters(layer, adapters);
    return adapters;
}

}  // namespace scripted

#pragma once

#include <cstdint>

#include "DisplayCatalogue.h"

// What the game can draw with, and why not: one rule for the catalogue, the device list, the OK
// button, the figures and sysreport. The game needs hardware 3D with a 16-bit depth buffer and
// textures in graphics memory, and it transforms and lights vertices itself.

// The first reason that applies, in the order the checks run.
enum class Unfitness {
    kNone,                     // the game can draw with it
    kNo3DAcceleration,         // adapter: its driver lacks 3D acceleration (DDCAPS_3D)
    kNoAdapterDepthBuffer,     // adapter: no 16-bit depth buffers
    kNoDeviceDepthBuffer,      // device: no 16-bit depth buffer
    kNoTexturesInVideoMemory,  // device: can't keep textures in graphics memory
    kHardwareTnL,              // device: transforms and lights in hardware, which the game can't
    kNoDeviceOffered,          // the adapter's driver offered no 3D device (or could not be opened)
    kNoDeviceSelected,         // the adapter has devices, but none is chosen
    kNoAdapter,                // no adapter at all
};
constexpr int kUnfitnessCount = static_cast<int>(Unfitness::kNoAdapter) + 1;

// A device by its capabilities: no 16-bit depth buffer, then no textures in video memory, then
// hardware transform and lighting.
Unfitness DeviceCapsUnfitness(uint32_t devCaps, uint32_t zBufferBitDepths);

// The device as the catalogue recorded it. A device with hardware transform and lighting is
// recorded usable (it is fit apart from that) and still unfit for the game.
Unfitness DeviceUnfitness(const DeviceInfo& device);

// The adapter's driver, as the catalogue records its usable flag: 3D acceleration, then 16-bit
// depth buffers. Drivers of the Vista-era model (and Wine) name no depths in their DirectDraw caps
// and report them per Direct3D device instead; for those, a device that rasterises in hardware
// must offer 16 bits. A driver that could not be opened is told nothing against.
Unfitness DriverUnfitness(const AdapterInfo& adapter);

// The adapter for the game: its driver's reason, then no 3D device offered (a driver without
// Direct3D 7, or one that could not be opened, stays usable in the catalogue, with no devices).
Unfitness AdapterUnfitness(const AdapterInfo& adapter);

// The dialog's choice of adapter and device, by their indices (-1: none selected): no adapter,
// the adapter's reason, no device selected, then the device's own reason.
Unfitness ChoiceUnfitness(const DisplayCatalogue& adapters, int32_t adapter, int32_t device);

// Whether a reason is the graphics card's or its driver's, which a choice in the lists can't mend.
bool IsAdapterUnfitness(Unfitness reason);

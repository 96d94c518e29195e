#pragma once

#include <cstdint>

#include "DisplayDriverLayer.h"
#include "GrowArray.h"
#include "Guid.h"
#include "KStr.h"

// The display device catalogue: every DirectDraw driver (adapter) with its Direct3D devices and the
// display modes the game can use. Built once by EnumerateAdapters; the dialog lists it by index.

struct ModeInfo {
    int32_t width = 0;         // pixels
    int32_t height = 0;        // pixels
    int32_t bitsPerPixel = 0;  // always 16 in the catalogue
};

struct DeviceInfo {
    Guid guid;
    KStr name;
    KStr description;
    bool hardwareTnL = false;  // transforms and lights vertices in hardware
    bool usable = false;       // fit for the game, but for hardware transform and lighting
    // What the device reported, from which GameFitness tells why the game can't use it.
    uint32_t devCaps = 0;           // dwDevCaps
    uint32_t zBufferBitDepths = 0;  // dwDeviceZBufferBitDepth
};

struct AdapterInfo {
    bool isPrimary = false;         // reported without a GUID
    Guid guid;                      // all zero when isPrimary
    uint32_t textureMemory = 0;     // bytes
    KStr description;               // from the device identifier
    KStr driverName;                // as enumerated; kept, not shown
    KStr identity;                  // driver file, a blank, the certification text
    DdCapsBlock driverCaps;         // hardware driver capabilities
    DdCapsBlock emulationCaps;      // emulation layer capabilities; kept, not evaluated
    GrowArray<ModeInfo> modes;      // filtered, in mode order
    GrowArray<DeviceInfo> devices;  // in Direct3D's order
    bool usable = false;            // fit for the game (GameFitness says why not)
};

using DisplayCatalogue = GrowArray<AdapterInfo>;

// Empties the catalogue and fills it anew from the drivers the layer reports.
void EnumerateAdapters(DisplayDriverLayer& layer, DisplayCatalogue& adapters);

// "not certified" (0), "certified" (1), else "certified on DD.MM.YYYY" from the packed date
// (day bits 0-7, month bits 8-15, year bits 16-31).
KStr CertificationText(uint32_t whqlLevel);

// Only 16-bit modes of at least 800 x 600 are offered.
bool PassesModeFilter(const DisplayModeDesc& mode);

// Ascending by width, then height, then bits per pixel; equal modes keep their order.
void SortModes(GrowArray<ModeInfo>& modes);

// Records one Direct3D device with what it reported, its usability and its hardware
// transform-and-lighting flag.
void AddDevice(AdapterInfo& adapter, const Direct3DDeviceDesc& device);

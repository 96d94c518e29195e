#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "Guid.h"
#include "KStr.h"

// Our layer in front of DirectDraw 7 and Direct3D 7. It passes on only what the catalogue relies
// on, so the catalogue logic runs and is tested without DirectX: win32/DirectDrawLayer is the real
// one, tests replay scripted drivers.

// A DirectDraw capability block (DDCAPS of DirectX 7, 380 bytes). Kept whole in each AdapterInfo,
// as the driver filled it, yet only dwSize, dwCaps and dwZBufferBitDepths are ever read; they are
// reached at their fixed offsets, which win32/DirectDrawLayer checks against <ddraw.h> at compile
// time. Block contents are little-endian, as on every platform DirectX runs on.
struct DdCapsBlock {
    static constexpr int kSize = 380;
    static constexpr int kSizeOffset = 0;               // dwSize
    static constexpr int kCapsOffset = 4;               // dwCaps
    static constexpr int kZBufferBitDepthsOffset = 56;  // dwZBufferBitDepths

    uint8_t bytes[kSize] = {};

    // All zero but dwSize, as DirectDraw wants the block handed to GetCaps.
    static DdCapsBlock Cleared() {
        DdCapsBlock block;
        block.Set(kSizeOffset, kSize);
        return block;
    }

    uint32_t Size() const { return Get(kSizeOffset); }
    uint32_t Caps() const { return Get(kCapsOffset); }
    uint32_t ZBufferBitDepths() const { return Get(kZBufferBitDepthsOffset); }

    uint32_t Get(int offset) const {
        return uint32_t{bytes[offset]} | uint32_t{bytes[offset + 1]} << 8 |
               uint32_t{bytes[offset + 2]} << 16 | uint32_t{bytes[offset + 3]} << 24;
    }
    void Set(int offset, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
        }
    }
};

// Capability bits the catalogue tests.
constexpr uint32_t kDdCaps3D = 0x1;                           // DDCAPS_3D
constexpr uint32_t kDdBitDepth16 = 0x400;                     // DDBD_16
constexpr uint32_t kD3dDevCapsTextureVideoMemory = 0x200;     // D3DDEVCAPS_TEXTUREVIDEOMEMORY
constexpr uint32_t kD3dDevCapsHwTransformAndLight = 0x10000;  // D3DDEVCAPS_HWTRANSFORMANDLIGHT
constexpr uint32_t kD3dDevCapsHwRasterization = 0x80000;      // D3DDEVCAPS_HWRASTERIZATION

// From the driver's device identifier (DDDEVICEIDENTIFIER2).
struct DriverIdentifier {
    KStr driver;       // szDriver: the driver's file name
    KStr description;  // szDescription
    uint32_t whqlLevel = 0;
};

// One display mode as DirectDraw reports it (DDSURFACEDESC2).
struct DisplayModeDesc {
    uint32_t width = 0;        // dwWidth
    uint32_t height = 0;       // dwHeight
    uint32_t rgbBitCount = 0;  // ddpfPixelFormat.dwRGBBitCount
};

// One Direct3D device as Direct3D reports it: the two texts of the callback and the fields of its
// D3DDEVICEDESC7.
struct Direct3DDeviceDesc {
    KStr description;
    KStr name;
    uint32_t devCaps = 0;                // dwDevCaps
    uint32_t deviceZBufferBitDepth = 0;  // dwDeviceZBufferBitDepth
    Guid deviceGuid;
};

// One opened DirectDraw driver (an IDirectDraw7). Destroying it releases the driver.
class DisplayDriver {
public:
    virtual ~DisplayDriver() = default;

    // Total memory for texture surfaces (GetAvailableVidMem with DDSCAPS_TEXTURE); 0 on failure.
    virtual uint32_t TextureMemory() = 0;
    // GetDeviceIdentifier with flags 0; empty texts and level 0 on failure.
    virtual DriverIdentifier Identifier() = 0;
    // GetCaps into the two blocks, which the caller has cleared; left as they are on failure.
    virtual void GetCaps(DdCapsBlock& driverCaps, DdCapsBlock& emulationCaps) = 0;
    // Every display mode, once per format (no refresh rates), in the driver's order.
    virtual void EnumerateModes(const std::function<void(const DisplayModeDesc&)>& onMode) = 0;
    // The Direct3D 7 devices in Direct3D's order; false when the driver has no Direct3D 7.
    virtual bool EnumerateDevices(
        const std::function<void(const Direct3DDeviceDesc&)>& onDevice) = 0;
};

class DisplayDriverLayer {
public:
    virtual ~DisplayDriverLayer() = default;

    // Calls onDriver once per DirectDraw driver (attached and detached secondary and non-display
    // devices included), synchronously, in the order the system reports them. The GUID is null for
    // the primary display driver.
    virtual void EnumerateDrivers(
        const std::function<void(const Guid* guid, const KStr& driverName)>& onDriver) = 0;

    // Opens the driver (null GUID: the primary); null when it can't be opened.
    virtual std::unique_ptr<DisplayDriver> Open(const Guid* guid) = 0;
};

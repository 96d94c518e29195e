#include "GameFitness.h"

namespace {

bool Has(uint32_t bits, uint32_t flag) {
    return (bits & flag) != 0;
}

bool RasterisesWith16BitDepth(const DeviceInfo& device) {
    return Has(device.devCaps, kD3dDevCapsHwRasterization) &&
           Has(device.zBufferBitDepths, kDdBitDepth16);
}

bool Has16BitDepthBuffers(const AdapterInfo& adapter) {
    const uint32_t depths = adapter.driverCaps.ZBufferBitDepths();
    if (depths != 0) {
        return Has(depths, kDdBitDepth16);
    }
    for (const DeviceInfo& device : adapter.devices) {
        if (RasterisesWith16BitDepth(device)) {
            return true;
        }
    }
    return false;
}

// Only an opened driver fills its capability blocks; one that could not be opened keeps them
// empty, not even sized.
bool DriverWasOpened(const AdapterInfo& adapter) {
    return adapter.driverCaps.Size() != 0;
}

}  // namespace

Unfitness DeviceCapsUnfitness(uint32_t devCaps, uint32_t zBufferBitDepths) {
    if (!Has(zBufferBitDepths, kDdBitDepth16)) {
        return Unfitness::kNoDeviceDepthBuffer;
    }
    if (!Has(devCaps, kD3dDevCapsTextureVideoMemory)) {
        return Unfitness::kNoTexturesInVideoMemory;
    }
    if (Has(devCaps, kD3dDevCapsHwTransformAndLight)) {
        return Unfitness::kHardwareTnL;
    }
    return Unfitness::kNone;
}

Unfitness DeviceUnfitness(const DeviceInfo& device) {
    return DeviceCapsUnfitness(device.devCaps, device.zBufferBitDepths);
}

Unfitness DriverUnfitness(const AdapterInfo& adapter) {
    if (!DriverWasOpened(adapter)) {
        return Unfitness::kNone;
    }
    if (!Has(adapter.driverCaps.Caps(), kDdCaps3D)) {
        return Unfitness::kNo3DAcceleration;
    }
    if (!Has16BitDepthBuffers(adapter)) {
        return Unfitness::kNoAdapterDepthBuffer;
    }
    return Unfitness::kNone;
}

Unfitness AdapterUnfitness(const AdapterInfo& adapter) {
    const Unfitness driverReason = DriverUnfitness(adapter);
    if (driverReason != Unfitness::kNone) {
        return driverReason;
    }
    return adapter.devices.Count() == 0 ? Unfitness::kNoDeviceOffered : Unfitness::kNone;
}

Unfitness ChoiceUnfitness(const DisplayCatalogue& adapters, int32_t adapter, int32_t device) {
    if (adapter < 0 || adapter >= adapters.Count()) {
        return Unfitness::kNoAdapter;
    }
    const AdapterInfo& chosen = adapters[adapter];
    const Unfitness adapterReason = AdapterUnfitness(chosen);
    if (adapterReason != Unfitness::kNone) {
        return adapterReason;
    }
    if (device < 0 || device >= chosen.devices.Count()) {
        return Unfitness::kNoDeviceSelected;
    }
    return DeviceUnfitness(chosen.devices[device]);
}

bool IsAdapterUnfitness(Unfitness reason) {
    switch (reason) {
        case Unfitness::kNo3DAcceleration:
        case Unfitness::kNoAdapterDepthBuffer:
        case Unfitness::kNoDeviceOffered:
        case Unfitness::kNoAdapter:
            return true;
        default:
            return false;
    }
}

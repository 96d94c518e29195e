#include "win32/DirectDrawLayer.h"

#include <windows.h>
// windows.h first: the DirectX headers rely on its types.
#include <d3d.h>
#include <ddraw.h>

#include <cstddef>
#include <cstring>

#include "win32/ComPtr.h"

// The portable caps block mirrors DirectX 7's DDCAPS byte for byte.
static_assert(sizeof(DDCAPS_DX7) == DdCapsBlock::kSize);
static_assert(offsetof(DDCAPS_DX7, dwSize) == DdCapsBlock::kSizeOffset);
static_assert(offsetof(DDCAPS_DX7, dwCaps) == DdCapsBlock::kCapsOffset);
static_assert(offsetof(DDCAPS_DX7, dwZBufferBitDepths) == DdCapsBlock::kZBufferBitDepthsOffset);
static_assert(DDCAPS_3D == kDdCaps3D && DDBD_16 == kDdBitDepth16);
static_assert(D3DDEVCAPS_TEXTUREVIDEOMEMORY == kD3dDevCapsTextureVideoMemory);
static_assert(D3DDEVCAPS_HWTRANSFORMANDLIGHT == kD3dDevCapsHwTransformAndLight);
static_assert(D3DDEVCAPS_HWRASTERIZATION == kD3dDevCapsHwRasterization);

namespace {

// The portable Guid and Windows' GUID have the same fields; copies one into the other.
template <typename To, typename From>
To CopyGuid(const From& from) {
    To to;
    to.Data1 = from.Data1;
    to.Data2 = from.Data2;
    to.Data3 = from.Data3;
    std::memcpy(to.Data4, from.Data4, sizeof to.Data4);
    return to;
}

// A driver's text, which need not be terminated within its field, or may be missing entirely.
template <size_t N>
KStr BoundedText(const char (&field)[N]) {
    char text[N + 1];
    size_t length = strnlen(field, N);
    std::memcpy(text, field, length);
    text[length] = '\0';
    return KStr(text);
}

KStr TextOrEmpty(const char* text) {
    return KStr(text != nullptr ? text : "");
}

class DirectDrawDriver : public DisplayDriver {
public:
    explicit DirectDrawDriver(ComPtr<IDirectDraw7> draw) : draw_(std::move(draw)) {}

    uint32_t TextureMemory() override {
        DDSCAPS2 caps = {};
        caps.dwCaps = DDSCAPS_TEXTURE;
        DWORD total = 0;
        DWORD free = 0;
        draw_->GetAvailableVidMem(&caps, &total, &free);
        return total;
    }

    DriverIdentifier Identifier() override {
        DDDEVICEIDENTIFIER2 id = {};
        DriverIdentifier identifier;
        if (SUCCEEDED(draw_->GetDeviceIdentifier(&id, 0))) {
            identifier.driver = BoundedText(id.szDriver);
            identifier.description = BoundedText(id.szDescription);
            identifier.whqlLevel = id.dwWHQLLevel;
        }
        return identifier;
    }

    void GetCaps(DdCapsBlock& driverCaps, DdCapsBlock& emulationCaps) override {
        DDCAPS_DX7 driver;
        DDCAPS_DX7 emulation;
        std::memcpy(&driver, driverCaps.bytes, sizeof driver);
        std::memcpy(&emulation, emulationCaps.bytes, sizeof emulation);
        draw_->GetCaps(&driver, &emulation);
        std::memcpy(driverCaps.bytes, &driver, sizeof driver);
        std::memcpy(emulationCaps.bytes, &emulation, sizeof emulation);
    }

    void EnumerateModes(const std::function<void(const DisplayModeDesc&)>& onMode) override {
        draw_->EnumDisplayModes(0, nullptr, const_cast<void*>(static_cast<const void*>(&onMode)),
                                OnMode);
    }

    bool EnumerateDevices(const std::function<void(const Direct3DDeviceDesc&)>& onDevice) override {
        ComPtr<IDirect3D7> direct3d;
        if (FAILED(draw_->QueryInterface(IID_IDirect3D7, direct3d.OutVoid()))) {
            return false;
        }
        direct3d->EnumDevices(OnDevice, const_cast<void*>(static_cast<const void*>(&onDevice)));
        return true;
    }

private:
    static HRESULT CALLBACK OnMode(DDSURFACEDESC2* surface, void* context) {
        if (surface != nullptr) {
            DisplayModeDesc mode;
            mode.width = surface->dwWidth;
            mode.height = surface->dwHeight;
            mode.rgbBitCount = surface->ddpfPixelFormat.dwRGBBitCount;
            (*static_cast<const std::function<void(const DisplayModeDesc&)>*>(context))(mode);
        }
        return DDENUMRET_OK;
    }

    static HRESULT CALLBACK OnDevice(char* description, char* name, D3DDEVICEDESC7* desc,
                                     void* context) {
        if (desc != nullptr) {
            Direct3DDeviceDesc device;
            device.description = TextOrEmpty(description);
            device.name = TextOrEmpty(name);
            device.devCaps = desc->dwDevCaps;
            device.deviceZBufferBitDepth = desc->dwDeviceZBufferBitDepth;
            device.deviceGuid = CopyGuid<Guid>(desc->deviceGUID);
            (*static_cast<const std::function<void(const Direct3DDeviceDesc&)>*>(context))(device);
        }
        return D3DENUMRET_OK;
    }

    ComPtr<IDirectDraw7> draw_;
};

using DriverCallback = std::function<void(const Guid*, const KStr&)>;

BOOL CALLBACK OnDriver(GUID* guid, char* /*description*/, char* driverName, void* context,
                       HMONITOR /*monitor*/) {
    Guid portable;
    if (guid != nullptr) {
        portable = CopyGuid<Guid>(*guid);
    }
    (*static_cast<const DriverCallback*>(context))(guid != nullptr ? &portable : nullptr,
                                                   TextOrEmpty(driverName));
    return TRUE;
}

}  // namespace

void DirectDrawLayer::EnumerateDrivers(const DriverCallback& onDriver) {
    const DWORD everyDevice = DDENUM_ATTACHEDSECONDARYDEVICES | DDENUM_DETACHEDSECONDARYDEVICES |
                              DDENUM_NONDISPLAYDEVICES;
    DirectDrawEnumerateExA(OnDriver, const_cast<void*>(static_cast<const void*>(&onDriver)),
                           everyDevice);
}

std::unique_ptr<DisplayDriver> DirectDrawLayer::Open(const Guid* guid) {
    GUID windowsGuid;
    if (guid != nullptr) {
        windowsGuid = CopyGuid<GUID>(*guid);
    }
    ComPtr<IDirectDraw7> draw;
    HRESULT result = DirectDrawCreateEx(guid != nullptr ? &windowsGuid : nullptr, draw.OutVoid(),
                                        IID_IDirectDraw7, nullptr);
    if (FAILED(result) || !draw) {
        return nullptr;
    }
    return std::make_unique<DirectDrawDriver>(std::move(draw));
}

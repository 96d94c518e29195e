#include "ScriptedDisplayDrivers.h"

class ScriptedDisplayDrivers::Driver : public DisplayDriver {
public:
    Driver(const ScriptedDriver& script, ScriptedDisplayDrivers& layer)
        : script_(script), layer_(layer) {
        ++layer_.opened;
    }
    ~Driver() override { ++layer_.released; }

    uint32_t TextureMemory() override { return script_.textureMemory; }
    DriverIdentifier Identifier() override { return script_.identifier; }

    void GetCaps(DdCapsBlock& driverCaps, DdCapsBlock& emulationCaps) override {
        layer_.capsSizesSeen.push_back(driverCaps.Size());
        layer_.capsSizesSeen.push_back(emulationCaps.Size());
        driverCaps.Set(DdCapsBlock::kCapsOffset, script_.caps);
        driverCaps.Set(DdCapsBlock::kZBufferBitDepthsOffset, script_.zBufferBitDepths);
    }

    void EnumerateModes(const std::function<void(const DisplayModeDesc&)>& onMode) override {
        for (const DisplayModeDesc& mode : script_.modes) {
            onMode(mode);
        }
    }

    bool EnumerateDevices(const std::function<void(const Direct3DDeviceDesc&)>& onDevice) override {
        if (!script_.hasDirect3D7) {
            return false;
        }
        for (const Direct3DDeviceDesc& device : script_.devices) {
            onDevice(device);
        }
        return true;
    }

private:
    const ScriptedDriver& script_;
    ScriptedDisplayDrivers& layer_;
};

const ScriptedDriver* ScriptedDisplayDrivers::Find(const Guid* guid) const {
    for (const ScriptedDriver& driver : drivers_) {
        bool primary = !driver.guid.has_value();
        if (guid == nullptr ? primary : (!primary && *driver.guid == *guid)) {
            return &driver;
        }
    }
    return nullptr;
}

std::unique_ptr<DisplayDriver> ScriptedDisplayDrivers::Open(const Guid* guid) {
    openRequests.push_back(guid ? std::optional<Guid>(*guid) : std::nullopt);
    const ScriptedDriver* script = Find(guid);
    if (script == nullptr || !script->opens) {
        return nullptr;
    }
    return std::make_unique<Driver>(*script, *this);
}

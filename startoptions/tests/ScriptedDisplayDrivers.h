#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "DisplayDriverLayer.h"

// A display driver layer that replays scripted drivers, and remembers how it was called.

struct ScriptedDriver {
    std::optional<Guid> guid;  // none: the primary display driver
    const char* driverName = "display";
    bool opens = true;
    uint32_t textureMemory = 0;
    DriverIdentifier identifier;
    uint32_t caps = 0;              // dwCaps of the driver caps
    uint32_t zBufferBitDepths = 0;  // dwZBufferBitDepths of the driver caps
    std::vector<DisplayModeDesc> modes;
    bool hasDirect3D7 = true;
    std::vector<Direct3DDeviceDesc> devices;
};

class ScriptedDisplayDrivers : public DisplayDriverLayer {
public:
    explicit ScriptedDisplayDrivers(std::vector<ScriptedDriver> drivers)
        : drivers_(std::move(drivers)) {}

    void EnumerateDrivers(const std::function<void(const Guid*, const KStr&)>& onDriver) override {
        for (const ScriptedDriver& driver : drivers_) {
            onDriver(driver.guid ? &*driver.guid : nullptr, KStr(driver.driverName));
        }
    }

    std::unique_ptr<DisplayDriver> Open(const Guid* guid) override;

    int opened = 0;    // drivers handed out
    int released = 0;  // drivers destroyed again
    std::vector<std::optional<Guid>> openRequests;
    std::vector<uint32_t> capsSizesSeen;  // dwSize of each block handed to GetCaps

private:
    class Driver;
    const ScriptedDriver* Find(const Guid* guid) const;

    std::vector<ScriptedDriver> drivers_;
};

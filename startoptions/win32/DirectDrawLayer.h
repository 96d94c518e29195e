#pragma once

#include "DisplayDriverLayer.h"

// The display driver layer on DirectDraw 7 and Direct3D 7 (ddraw.dll).
class DirectDrawLayer : public DisplayDriverLayer {
public:
    void EnumerateDrivers(
        const std::function<void(const Guid* guid, const KStr& driverName)>& onDriver) override;
    std::unique_ptr<DisplayDriver> Open(const Guid* guid) override;
};

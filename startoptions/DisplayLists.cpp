#include "DisplayLists.h"

#include <algorithm>
#include <cstdlib>

#include "GameFitness.h"

namespace {

bool ValidIndex(int32_t index, int32_t count) {
    return index >= 0 && index < count;
}

const AdapterInfo* AdapterAt(const DisplayCatalogue& adapters, int32_t index) {
    return ValidIndex(index, adapters.Count()) ? &adapters[index] : nullptr;
}

int32_t GreatestCommonDivisor(int32_t a, int32_t b) {
    a = std::abs(a);
    b = std::abs(b);
    while (b != 0) {
        int32_t rest = a % b;
        a = b;
        b = rest;
    }
    return a == 0 ? 1 : a;
}

bool GuidTextMatches(const Guid& guid, const KStr& text) {
    return GuidToText(guid).CompareNoCase(text.Text()) == 0;
}

// Selects the entry requested (none when outside the list). With exactly one usable entry the
// list is disabled and that entry selected instead: a disabled list must not hold the player on
// an entry the game can't use.
void Select(ListContent& list, int32_t requested, const std::vector<bool>& usable) {
    list.enabled = std::count(usable.begin(), usable.end(), true) != 1;
    if (list.enabled) {
        list.selection =
            ValidIndex(requested, static_cast<int32_t>(usable.size())) ? requested : -1;
    } else {
        list.selection =
            static_cast<int32_t>(std::find(usable.begin(), usable.end(), true) - usable.begin());
    }
}

}  // namespace

KStr AdapterItemText(const AdapterInfo& adapter) {
    return adapter.description + " (" + adapter.identity + ")";
}

KStr DeviceItemText(const DeviceInfo& device) {
    KStr text = device.name;
    if (device.hardwareTnL) {
        text += " (Hardware TnL)";
    }
    if (DeviceUnfitness(device) != Unfitness::kNone) {
        text += " (unsupported)";
    }
    return text;
}

KStr ModeItemText(const ModeInfo& mode) {
    int32_t divisor = GreatestCommonDivisor(mode.width, mode.height);
    return KStr("%d x %d (%d:%d)", mode.width, mode.height, mode.width / divisor,
                mode.height / divisor);
}

ListContent AdapterList(const DisplayCatalogue& adapters, int32_t requested) {
    ListContent list;
    std::vector<bool> usable;
    for (int32_t i = 0; i < adapters.Count(); ++i) {
        usable.push_back(adapters[i].usable);
        list.items.push_back(AdapterItemText(adapters[i]));
    }
    Select(list, requested, usable);
    return list;
}

ListContent DeviceList(const DisplayCatalogue& adapters, int32_t adapter, int32_t requested) {
    ListContent list;
    if (!ValidIndex(adapter, adapters.Count())) {
        return list;
    }
    std::vector<bool> usable;
    for (const DeviceInfo& device : adapters[adapter].devices) {
        usable.push_back(DeviceUnfitness(device) == Unfitness::kNone);
        list.items.push_back(DeviceItemText(device));
    }
    Select(list, requested, usable);
    return list;
}

ListContent ModeList(const DisplayCatalogue& adapters, int32_t adapter, int32_t requested) {
    ListContent list;
    const AdapterInfo* info = AdapterAt(adapters, adapter);
    if (info == nullptr) {
        return list;
    }
    for (const ModeInfo& mode : info->modes) {
        list.items.push_back(ModeItemText(mode));
    }
    list.selection = ValidIndex(requested, info->modes.Count()) ? requested : -1;
    return list;
}

bool OkAllowed(const DisplayCatalogue& adapters, int32_t adapter, int32_t device) {
    return ChoiceUnfitness(adapters, adapter, device) == Unfitness::kNone;
}

int32_t FindAdapter(const DisplayCatalogue& adapters, const KStr& guidText) {
    for (int32_t i = 0; i < adapters.Count(); ++i) {
        if (GuidTextMatches(adapters[i].guid, guidText)) {
            return i;
        }
    }
    return -1;
}

int32_t FindDevice(const DisplayCatalogue& adapters, int32_t adapter, const KStr& guidText) {
    const AdapterInfo* info = AdapterAt(adapters, adapter);
    if (info == nullptr) {
        return -1;
    }
    for (int32_t i = 0; i < info->devices.Count(); ++i) {
        if (GuidTextMatches(info->devices[i].guid, guidText)) {
            return i;
        }
    }
    return -1;
}

int32_t FindMode(const DisplayCatalogue& adapters, int32_t adapter, int32_t width, int32_t height) {
    const AdapterInfo* info = AdapterAt(adapters, adapter);
    if (info == nullptr) {
        return -1;
    }
    for (int32_t i = 0; i < info->modes.Count(); ++i) {
        if (info->modes[i].width == width && info->modes[i].height == height) {
            return i;
        }
    }
    return -1;
}

int32_t BestFitMode(const GrowArray<ModeInfo>& modes, int32_t desktopWidth, int32_t desktopHeight) {
    // A later mode must be more than 256 pixels (width and height differences added) closer to
    // replace the best so far: among modes of about the same size the earlier, smaller one stays.
    constexpr int64_t kClearlyCloser = 256;
    // 800 is the width of the smallest mode offered: a desktop just that wide has no mode strictly
    // inside it, so every mode competes.
    constexpr int32_t kSmallestModeWidth = 800;
    int32_t best = -1;
    int64_t bestDistance = 10000;  // farther than any mode the lists offer
    for (int32_t i = 0; i < modes.Count(); ++i) {
        const ModeInfo& mode = modes[i];
        bool candidate = (mode.width < desktopWidth && mode.height < desktopHeight) ||
                         desktopWidth == kSmallestModeWidth;
        int64_t distance = std::llabs(int64_t{desktopWidth} - mode.width) +
                           std::llabs(int64_t{desktopHeight} - mode.height);
        if (candidate && distance < bestDistance - kClearlyCloser) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

int32_t StoredAdapterIndex(const DisplayCatalogue& adapters, const DisplayChoice& stored) {
    int32_t found = FindAdapter(adapters, stored.adapterGuid);
    return found >= 0 ? found : 0;
}

int32_t StoredDeviceIndex(const DisplayCatalogue& adapters, int32_t adapter,
                          const DisplayChoice& stored) {
    int32_t found = FindDevice(adapters, adapter, stored.deviceGuid);
    return found >= 0 ? found : 1;
}

int32_t StoredModeIndex(const DisplayCatalogue& adapters, int32_t adapter,
                        const DisplayChoice& stored, bool useDefaults, int32_t desktopWidth,
                        int32_t desktopHeight) {
    const AdapterInfo* info = AdapterAt(adapters, adapter);
    if (info == nullptr) {
        return -1;
    }
    if (!useDefaults) {
        int32_t exact = FindMode(adapters, adapter, stored.width, stored.height);
        if (exact >= 0) {
            return exact;
        }
    }
    return BestFitMode(info->modes, desktopWidth, desktopHeight);
}

DisplayChoice ChoiceFromLists(const DisplayCatalogue& adapters, int32_t adapter, int32_t device,
                              int32_t mode, bool fullScreen) {
    DisplayChoice choice;
    choice.fullScreen = fullScreen;
    const AdapterInfo* info = AdapterAt(adapters, adapter);
    if (info == nullptr) {
        return choice;
    }
    choice.hasAdapter = true;
    choice.adapterGuid = GuidToText(info->guid);
    if (ValidIndex(device, info->devices.Count())) {
        const DeviceInfo& chosen = info->devices[device];
        choice.hasDevice = true;
        choice.deviceGuid = GuidToText(chosen.guid);
        choice.hardwareTnL = chosen.hardwareTnL;
    }
    if (ValidIndex(mode, info->modes.Count())) {
        choice.hasMode = true;
        choice.width = info->modes[mode].width;
        choice.height = info->modes[mode].height;
    }
    return choice;
}

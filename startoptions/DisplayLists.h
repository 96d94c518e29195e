#pragma once

#include <cstdint>
#include <vector>

#include "DisplayCatalogue.h"
#include "DisplayChoice.h"
#include "KStr.h"

// The rules behind the dialog's Adapter, Device and Screen Mode lists. The lists are unsorted and
// hold one item per catalogue entry, so an item's position is the index of its entry; every
// function here works with those indices. Indices outside the catalogue (a list without selection
// reads -1) stand for "no entry" and are never used to read an entry.

// "Board (display.dll certified)"; a driver that could not be opened gives " ()".
KStr AdapterItemText(const AdapterInfo& adapter);
// The name, then " (Hardware TnL)" for such a device, then " (unsupported)" when the game can't
// use it.
KStr DeviceItemText(const DeviceInfo& device);
// "800 x 600 (4:3)": the size and its aspect ratio in lowest terms.
KStr ModeItemText(const ModeInfo& mode);

// What one list shows: its item texts, the item to select (-1: none) and whether the player may
// change it.
struct ListContent {
    std::vector<KStr> items;
    int32_t selection = -1;
    bool enabled = true;
};

// The adapter list with the item asked for selected. It is disabled when exactly one adapter is
// usable, and then its selection moves to that adapter: a disabled list must not hold the player
// on an adapter the game can't use.
ListContent AdapterList(const DisplayCatalogue& adapters, int32_t requested);

// The device list of adapter index. Devices the game can't use, those with hardware transform and
// lighting among them, are offered as unsupported. With exactly one device the game can use the
// list is disabled and that device selected, whatever was asked for.
ListContent DeviceList(const DisplayCatalogue& adapters, int32_t adapter, int32_t requested);

// The mode list of adapter index, with the mode asked for selected (-1: none).
ListContent ModeList(const DisplayCatalogue& adapters, int32_t adapter, int32_t requested);

// OK may be pressed exactly when the game can use the selected adapter and the selected device
// (ChoiceUnfitness says why not).
bool OkAllowed(const DisplayCatalogue& adapters, int32_t adapter, int32_t device);

// The first adapter whose GUID text equals text without regard to case, or -1.
int32_t FindAdapter(const DisplayCatalogue& adapters, const KStr& guidText);
// The first device of adapter index whose GUID text equals text without regard to case, or -1.
int32_t FindDevice(const DisplayCatalogue& adapters, int32_t adapter, const KStr& guidText);
// The first mode of adapter index with exactly this size, or -1.
int32_t FindMode(const DisplayCatalogue& adapters, int32_t adapter, int32_t width, int32_t height);

// The mode that fits a full-screen client area of desktopWidth x desktopHeight: modes strictly
// smaller in both directions are candidates (every mode when the desktop is exactly 800 wide),
// and a later candidate replaces the best only when it is more than 256 pixels closer (sum of
// both differences). -1 when no mode is a candidate.
int32_t BestFitMode(const GrowArray<ModeInfo>& modes, int32_t desktopWidth, int32_t desktopHeight);

// Positions the lists start with for a stored choice: the adapter by its GUID text (else the
// first), a device of that adapter by its GUID text (else the second), the mode by its exact
// size unless useDefaults (else the best fit).
int32_t StoredAdapterIndex(const DisplayCatalogue& adapters, const DisplayChoice& stored);
int32_t StoredDeviceIndex(const DisplayCatalogue& adapters, int32_t adapter,
                          const DisplayChoice& stored);
int32_t StoredModeIndex(const DisplayCatalogue& adapters, int32_t adapter,
                        const DisplayChoice& stored, bool useDefaults, int32_t desktopWidth,
                        int32_t desktopHeight);

// The choice the selected entries stand for; the has* flags say which entries exist.
DisplayChoice ChoiceFromLists(const DisplayCatalogue& adapters, int32_t adapter, int32_t device,
                              int32_t mode, bool fullScreen);

#pragma once

#include <cstdint>

#include "KStr.h"

// The display part of the settings: what the lists take from the store when the dialog fills,
// and what they hand back to it when the player confirms.
struct DisplayChoice {
    KStr adapterGuid;          // GuidToText of the adapter's GUID
    KStr deviceGuid;           // GuidToText of the device's GUID
    int32_t width = 0;         // screen mode, pixels
    int32_t height = 0;        // screen mode, pixels
    bool hardwareTnL = false;  // the chosen device's flag; written, never read
    bool fullScreen = true;

    // Which of the values above came from an existing list entry when the choice was read back
    // from the lists. A list without selection (no adapter at all, or no mode that fits) yields
    // nothing, and the store keeps what it holds for those values.
    bool hasAdapter = false;  // adapterGuid
    bool hasDevice = false;   // deviceGuid and hardwareTnL
    bool hasMode = false;     // width and height
};

#pragma once

#include <cstdint>

#include "DisplayChoice.h"
#include "KCfgTree.h"
#include "KRegLocation.h"
#include "KStr.h"
#include "SystemRating.h"

// The settings the start-options program keeps below the game's registry key: how they are read
// when the dialog fills and written when the player confirms. Both sides work on a tree loaded
// for the one operation; the dialog moves the values between the tree and its controls.

// Text the Tcl defines field starts with when the settings are proposed afresh.
constexpr const char* kDefaultTclDefines = "FULL";
// The Tcl defines field takes no more than the registry binding reads back.
constexpr int kTclDefinesLimit = 255;

// What the store holds, as the dialog shows it.
struct StoredSettings {
    // Nothing stored yet, or the start asked for "-defaults": the display mode, levels, frame rate,
    // full-screen choice and Tcl text are to be proposed rather than taken from the store.
    bool defaultsMode = false;
    DisplayChoice display;  // adapter and device GUID texts, mode size, full screen
    KStr tclDefines;
    KStr language;  // always the edition language: the store's value is read but not kept
    int32_t texture = 3;
    int32_t landscape = 2;
    int32_t objects = 2;
    int32_t framerate = 0;  // not yet clamped to the slider's range
};

// Reads the settings from a tree just loaded from the store. Missing numbers take their defaults
// (0 for the mode size, 3/2/2 for the levels, the ratings' recommendedFramerate for the frame
// rate); a texture level above 4 becomes 4. In defaults mode full screen is on, the Tcl text is
// the default one, and the levels, the language and the frame rate are the recommendation for
// the ratings (ApplyRecommendation). Creates the nodes it reads, so the tree is not to be stored
// afterwards.
StoredSettings ReadStoredSettings(KCfgTree& tree, bool defaultsSwitch,
                                  const SystemRatings& ratings);

// What defaults mode proposes for the ratings: the detail levels and the language of
// RecommendedPresets, and the recommended frame rate. The display choice and the Tcl text stay.
void ApplyRecommendation(StoredSettings& settings, const SystemRatings& ratings);

// What the player confirmed, read from the controls. A list without selection reads -1.
struct ConfirmedSettings {
    DisplayChoice display;
    KStr tclDefines;
    int32_t languagePosition = -1;  // stored as its code (LanguageCode)
    int32_t texture = -1;
    int32_t landscape = -1;
    int32_t objects = -1;
    int32_t framerate = 0;
    SystemRatings ratings;
};

// Writes the confirmed settings into a tree loaded from the store, leaving every other value in
// it as it is. Display values the lists had no entry for are not written, so the store keeps them.
void WriteConfirmedSettings(KCfgTree& tree, const ConfirmedSettings& settings);

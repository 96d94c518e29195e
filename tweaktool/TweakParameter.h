// The tweak tool's engine parameters: one record per parameter, and the fixed table the dialog
// owns. The records' order is the order of the list rows and of the registry reads and writes.
#pragma once

#include <cstdint>

#include "KStr.h"

struct TweakParameter {
    int32_t current = 0;  // being edited; not clamped to the range (a stored value may lie outside)
    int32_t loaded = 0;   // as last read from the registry; the default where nothing is stored
    int32_t minimum = 0;  // inclusive
    int32_t maximum = 0;  // inclusive
    int32_t defaultValue = 0;
    KStr name;            // registry value name and first column of the list
    KStr group;           // registry key below the settings root: "Performance" or "Misc"
    KStr description;     // the name, then a line feed and the description text when there is one
    bool marked = false;  // the player set it since the last read: Save stores it
};

class TweakParameterTable {
public:
    static constexpr int32_t kCapacity = 30;

    int32_t Count() const { return count_; }
    // Record i, 0 <= i < Count(); null otherwise.
    TweakParameter* At(int32_t i) { return i >= 0 && i < count_ ? &records_[i] : nullptr; }
    const TweakParameter* At(int32_t i) const {
        return i >= 0 && i < count_ ? &records_[i] : nullptr;
    }

    // Fills the next record; current and loaded keep what the slot held. A full table refuses the
    // record and returns false rather than write past its end.
    bool AddParameter(const char* name, const char* group, int32_t minimum, int32_t maximum,
                      int32_t defaultValue, const char* descriptionText = nullptr);
    // Empties the table and adds the game's twenty parameters.
    void BuildParameterTable();

private:
    TweakParameter records_[kCapacity];
    int32_t count_ = 0;
};

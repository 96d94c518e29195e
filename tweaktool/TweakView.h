// What the tweak dialog shows and accepts, without the windows: the list rows, the texts of the
// selected parameter, and the rules for the value field and the slider. Row 0 of the list is the
// header; row r + 1 shows record r. A row below 1 means that no parameter is selected.
#pragma once

#include <cstdint>
#include <optional>

#include "KStr.h"
#include "TweakParameter.h"

// Tab stops of the list in dialog units: the columns Min, Max, Current and Default.
inline constexpr int kParameterListTabStops[] = {110, 140, 170, 200};
inline constexpr char kParameterListHeader[] = "Name\tMin\tMax\tCurrent\tDefault";

// The list row of p: name, minimum, maximum, current and default, separated by tabs.
KStr ParameterRowText(const TweakParameter& p);

// The record that list row stands for; null for the header, no selection (-1) or a row past the
// table.
TweakParameter* ParameterAtRow(TweakParameterTable& table, int row);

// The texts of the controls that describe the selected parameter; all empty when none is. The
// buttons' captions mark their access keys, D and R, as the dialog's own texts do.
struct ParameterTexts {
    KStr current;
    KStr minimum;
    KStr maximum;
    KStr defaultCaption;  // "&Default (20000)"
    KStr resetCaption;    // "&Reset (4096)"
    KStr description;
};
ParameterTexts TextsFor(const TweakParameter* p);

// The slider position that the value field's text asks for: the text read like atoi (saturating,
// so no overflow can land in the range), when a parameter is selected and the number lies in its
// range; nothing otherwise, and the field keeps its text.
std::optional<int32_t> SliderTargetForText(const TweakParameter* p, const char* text);

// Takes value, which the player chose (a slider move, a typed number, Default or Reset), as p's
// current value, and marks p for Save also where current already held it: the player may set a
// parameter to what it reads as. False when there is nothing to show anew: no parameter is
// selected, or current already equals value.
bool TakeChoice(TweakParameter* p, int32_t value);

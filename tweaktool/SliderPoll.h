// The rule of the slider poll: the dialog reads the slider every poll period, and a position it
// hasn't seen before is a move the player made. The slider shows one parameter, the one the
// dialog last set it up for. The list's selection can change without the dialog being told (a
// program selects rows as a screen reader does): the slider then still holds the range and
// position of the row shown before, and neither may reach the newly selected row.
#pragma once

#include <cstdint>
#include <optional>

#include "TweakParameter.h"

class SliderPoll {
public:
    // The dialog set the slider up for p (its range and value; null: no parameter), and it stands
    // at position. That is no move: the poll goes on from there.
    void Show(const TweakParameter* p, int32_t position);
    // The dialog put the slider at position for the parameter it shows (Default, Reset, a typed
    // number): no move either.
    void Place(int32_t position);

    // The parameter that the slider and the fields show, while its row is the selected one; null
    // otherwise, and then nothing may change it.
    TweakParameter* Edited(TweakParameter* selected) const;

    // The poll read position while selected is selected: the value the player chose, when the
    // slider moved since the last look, shows selected, and position lies in its range; nothing
    // otherwise. A stale or impossible position is no choice.
    std::optional<int32_t> Poll(const TweakParameter* selected, int32_t position);

private:
    const TweakParameter* shown_ = nullptr;  // nothing until the dialog shows a parameter
    int32_t lastPosition_ = 0;
};

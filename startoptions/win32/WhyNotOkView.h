#pragma once

#include "GameFitness.h"
#include "win32/DialogBase.h"
#include "win32/Static.h"

// The text beside OK that says, while OK is disabled, why the game can't draw with the display
// chosen and what the player can do, in the dialog's language. A static text with a window of its
// own, just before OK in the dialog's order, so that a screen reader finds it; empty and hidden
// while OK may be pressed.
class WhyNotOkView {
public:
    void Attach(const DialogBase& dialog);
    // Says why for reason, in language; a language without texts keeps what it said.
    void Show(Unfitness reason, int language);

private:
    Static text_;
};

#pragma once

#include <cstdint>
#include <vector>

#include "DisplayCatalogue.h"
#include "KStr.h"

// The display section of the figures, in the dialog's language: every adapter, and under the one
// selected each of its devices, as usable or with the reason the game can't use it; then, when the
// choice fails for a reason of the graphics card or its driver, what the player can do about it.
// A player who posts the figures shows exactly what the game can't use.

// Text in pieces: the words in the programs' own code page, the drivers' names in the system's,
// as the system gave them.
struct DisplayFigures {
    struct Piece {
        KStr text;
        bool systemText = false;  // a driver's name
    };
    std::vector<Piece> pieces;
};

// The section for the adapter and device selected (-1: none); empty for a language without texts.
DisplayFigures DisplayFiguresOf(int language, const DisplayCatalogue& adapters, int32_t adapter,
                                int32_t device);

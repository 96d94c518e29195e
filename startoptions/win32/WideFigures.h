#pragma once

#include <string>

#include "DisplayFigures.h"
#include "RatingFigures.h"

// The figures as the tooltip and the clipboard take them, in UTF-16: the words converted from the
// programs' own code page, the disk test's folder from UTF-8.
std::wstring WideFigures(const RatingFigures& figures);
// The display section likewise: the words from the programs' own code page, the drivers' names
// from the system's.
std::wstring WideFigures(const DisplayFigures& figures);

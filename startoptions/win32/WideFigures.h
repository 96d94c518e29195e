#pragma once

#include <string>

#include "RatingFigures.h"

// The figures as the tooltip and the clipboard take them, in UTF-16: the words converted from the
// programs' own code page, the disk test's folder from UTF-8.
std::wstring WideFigures(const RatingFigures& figures);

#pragma once

#include <windows.h>

// Whether the player asked the system for a high-contrast scheme. Under it the programs draw with
// the system's colours only (GetSysColor): no pictures behind text and no fixed colours.
//
// Every drawing decision asks this one function. Wine answers the system's question with "off"
// whatever its colours are, and can't be told otherwise; so tests, and the programs that set the
// scene of a screenshot, can force the answer for their own process.
bool HighContrastOn();

// How HighContrastOn answers in this process: as the system says, or always on or off.
enum class HighContrastAnswer { kSystem, kOn, kOff };
void ForceHighContrast(HighContrastAnswer answer);

// What a control of a dialog that chooses its own colours sits on under high contrast: the text
// and background colours of dc become the system's window text and window colours, and the
// result is the system's window brush (never to be deleted).
HBRUSH UseSystemWindowColours(HDC dc);

#pragma once

#include "KStr.h"

// The program's switches. Each is found by a case-sensitive substring search of the argument
// text at the moment it matters: it may stand anywhere, and a longer word containing it counts.
constexpr const char* kSwitchAdvanced = "-advanced";    // offer language and Tcl defines
constexpr const char* kSwitchBunt = "-bunt";            // pale yellow paint background
constexpr const char* kSwitchDefaults = "-defaults";    // fill with the recommendation
constexpr const char* kSwitchAutomatic = "-automatic";  // store and close unattended

inline bool HasSwitch(const KStr& arguments, const char* name) {
    return arguments.Find(name) >= 0;
}

// The argument text of a whole command line: the program's own path (quoted, or up to the first
// blank or tab) and the white space after it are cut off, so that a path containing a switch's
// letters never counts as the switch.
KStr ArgumentText(const char* commandLine);

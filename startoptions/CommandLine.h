#pragma once

#include "KStr.h"

// The program's switches, read once from the argument text when the dialog is made. Each is
// found by a case-sensitive substring search: it may stand anywhere, and a longer word containing
// it counts. The text doesn't change while the program runs, so reading it once answers as a
// search at the moment each switch matters would.
struct Switches {
    bool advanced = false;   // "-advanced": offer language and Tcl defines
    bool bunt = false;       // "-bunt": pale yellow paint background
    bool defaults = false;   // "-defaults": fill with the recommendation
    bool automatic = false;  // "-automatic": store and close unattended
};

Switches ParseSwitches(const KStr& arguments);

// The argument text of a whole command line: the program's own path (quoted, or up to the first
// blank or tab) and the white space after it are cut off, so that a path containing a switch's
// letters never counts as the switch.
KStr ArgumentText(const char* commandLine);

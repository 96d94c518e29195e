#pragma once

#include "win32/Window.h"

// A static control ("STATIC"): a label or frame. Its text and visibility are all a dialog changes,
// and Window has both, so the name only says what kind of control a member is.
using Static = Window;

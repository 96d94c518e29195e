#pragma once

#include "KStr.h"

// The start-options program: one modal options dialog, then the end.
class StartOptionsApp {
public:
    // Runs the options dialog with the program's argument text. Returns false: the program ends
    // when the dialog has closed (its result is not used).
    bool InitInstance(const KStr& arguments);
};

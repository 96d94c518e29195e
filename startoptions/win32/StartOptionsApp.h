#pragma once

#include "KStr.h"

// The start-options program: one modal options dialog, then the end.
class StartOptionsApp {
public:
    // What the program's exit status tells an install script.
    static constexpr int kExitStored = 0;       // OK or "-automatic" stored every setting
    static constexpr int kExitStoreFailed = 1;  // storing failed: not every setting was stored
    static constexpr int kExitCancelled = 2;    // the player cancelled: nothing stored
    static constexpr int kExitNotStarted = 3;   // the dialog could not be created: nothing ran

    // Runs the options dialog with the program's argument text. Returns false: the program ends
    // when the dialog has closed; ExitStatus() then says how it ended.
    bool InitInstance(const KStr& arguments);
    int ExitStatus() const { return exitStatus_; }

private:
    int exitStatus_ = kExitNotStarted;
};

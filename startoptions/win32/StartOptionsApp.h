#pragma once

#include "KStr.h"

// The start-options program: one modal options dialog, then the end.
class StartOptionsApp {
public:
    // What the program's exit status tells an install script.
    static constexpr int kExitStored = 0;       // OK or "-automatic" stored every setting
    static constexpr int kExitStoreFailed = 1;  // storing failed, or the dialog never opened
    static constexpr int kExitCancelled = 2;    // the player cancelled: nothing stored

    // Runs the options dialog with the program's argument text. Returns false: the program ends
    // when the dialog has closed; ExitStatus() then says how it ended.
    bool InitInstance(const KStr& arguments);
    int ExitStatus() const { return exitStatus_; }

private:
    int exitStatus_ = kExitStoreFailed;
};

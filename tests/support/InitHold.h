// Holds a program's first dialog once it has initialised, before it shows and before any of its
// timers can tick: the dialog's thread then answers the messages sent to it and nothing else,
// until Release. A test thus sets the scene that the dialog's first tick finds, however soon that
// tick would come on its own. The hold is a hook (init_hold.dll beside the test program) that the
// system loads into the program's thread; the program is started suspended, so that the hook is
// in place before the dialog exists.
#pragma once

#include <windows.h>

#include "DialogDriver.h"
#include "ProgramDriver.h"
#include "win32/GdiHandles.h"

class InitHold {
public:
    // Sets the hook on the main thread of program, started suspended, and lets it run.
    explicit InitHold(ProgramDriver& program);
    // Lets the program go on, and removes the hook.
    ~InitHold();
    InitHold(const InitHold&) = delete;
    InitHold& operator=(const InitHold&) = delete;

    // The held dialog, initialised and not yet shown; empty when the program's thread isn't held
    // within the wait.
    DialogDriver WaitHeld() const;
    // Lets the thread go on: the dialog shows and its timers tick.
    void Release() const;

private:
    const ProgramDriver& program_;
    OwnedHandle<HANDLE, CloseHandle> held_;
    OwnedHandle<HANDLE, CloseHandle> go_;
    OwnedHandle<HMODULE, FreeLibrary> hookModule_;
    OwnedHandle<HHOOK, UnhookWindowsHookEx> hook_;
};

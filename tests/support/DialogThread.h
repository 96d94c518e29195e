// A modal dialog of this process run on a Win32 thread of its own (the win32 thread model of the
// runtime has no std::thread), so that the calling thread drives it through messages as a player
// would. A dialog still open when the holder goes is cancelled, and its thread waited for.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

#include "DialogDriver.h"
#include "win32/DialogBase.h"

class DialogThread {
public:
    // dialog must outlive the holder.
    explicit DialogThread(DialogBase& dialog);
    ~DialogThread();
    DialogThread(const DialogThread&) = delete;
    DialogThread& operator=(const DialogThread&) = delete;

    // The dialog once ready holds for it; empty when the dialog ended first or the wait ran out.
    DialogDriver WaitReady(const std::function<bool(const DialogDriver&)>& ready);
    bool WaitEnded();

private:
    static DWORD WINAPI Run(void* self);
    // The thread's dialog (its tooltips are windows of the thread too); null before it shows.
    HWND FindDialog() const;

    DialogBase& dialog_;
    HANDLE thread_ = nullptr;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    HWND window_ = nullptr;  // the dialog, once found; the windows it opens come later
};

#include "InitHold.h"

#include "InitHoldEvents.h"

InitHold::InitHold(ProgramDriver& program) : program_(program) {
    const DWORD thread = program.MainThreadId();
    held_.Reset(CreateEventW(nullptr, TRUE, FALSE, InitHoldEvent(thread, L"Held").c_str()));
    go_.Reset(CreateEventW(nullptr, TRUE, FALSE, InitHoldEvent(thread, L"Go").c_str()));
    hookModule_.Reset(LoadLibraryW(ProgramBeside(L"init_hold.dll").c_str()));
    // The cast from FARPROC is the documented way to use what GetProcAddress finds.
    const auto hold = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void*>(GetProcAddress(hookModule_.Get(), "HoldAfterInitDialog")));
    if (hold != nullptr) {
        hook_.Reset(SetWindowsHookExW(WH_CALLWNDPROCRET, hold, hookModule_.Get(), thread));
    }
    program.Resume();
}

InitHold::~InitHold() {
    Release();
}

DialogDriver InitHold::WaitHeld() const {
    if (!hook_ || WaitForSingleObject(held_.Get(), kPatienceMs) != WAIT_OBJECT_0) {
        return {};
    }
    return program_.UnshownDialog();
}

void InitHold::Release() const {
    if (go_) {
        SetEvent(go_.Get());
    }
}

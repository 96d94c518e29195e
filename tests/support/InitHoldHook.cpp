// The hook of InitHold (InitHold.h), which the system loads into the program whose thread it
// holds: right after the program's first dialog has handled WM_INITDIALOG, the thread answers the
// messages sent to it, and nothing else, until the test lets it go. Posted messages, painting and
// the ticks of the dialog's timers wait.
#include <windows.h>

#include "InitHoldEvents.h"
#include "win32/GdiHandles.h"

namespace {

using Event = OwnedHandle<HANDLE, CloseHandle>;

// A test that never lets go doesn't hold the program for ever.
constexpr DWORD kHoldLimitMs = 60000;

bool held = false;

void HoldThread() {
    const DWORD thread = GetCurrentThreadId();
    Event heldEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, InitHoldEvent(thread, L"Held").c_str()));
    Event go(OpenEventW(SYNCHRONIZE, FALSE, InitHoldEvent(thread, L"Go").c_str()));
    if (!heldEvent || !go) {
        return;
    }
    SetEvent(heldEvent.Get());
    HANDLE wait = go.Get();
    while (MsgWaitForMultipleObjects(1, &wait, FALSE, kHoldLimitMs, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    HoldAfterInitDialog(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && !held) {
        held = true;
        HoldThread();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

#include "DialogThread.h"

#include "Wait.h"

namespace {

BOOL CALLBACK KeepDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (lstrcmpW(className, L"#32770") != 0) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

DialogThread::DialogThread(DialogBase& dialog) : dialog_(dialog) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_ == nullptr) {
        ended_ = true;
    }
}

DialogThread::~DialogThread() {
    if (thread_ == nullptr) {
        return;
    }
    // The dialog may not show yet: it is cancelled once it does.
    while (!ended_ && window_ == nullptr) {
        window_ = FindDialog();
        Sleep(10);
    }
    if (!ended_) {
        PostMessageW(window_, WM_COMMAND, IDCANCEL, 0);
    }
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
}

DWORD WINAPI DialogThread::Run(void* self) {
    auto* run = static_cast<DialogThread*>(self);
    run->threadId_ = GetCurrentThreadId();
    run->dialog_.RunModal();
    run->ended_ = true;
    return 0;
}

HWND DialogThread::FindDialog() const {
    HWND found = nullptr;
    if (threadId_ != 0) {
        EnumThreadWindows(threadId_, KeepDialog, reinterpret_cast<LPARAM>(&found));
    }
    return found;
}

DialogDriver DialogThread::WaitReady(const std::function<bool(const DialogDriver&)>& ready) {
    const bool done = WaitFor([&] {
        if (window_ == nullptr) {
            window_ = FindDialog();
        }
        return ended_ || (window_ != nullptr && ready(DialogDriver(window_)));
    });
    return done && !ended_ ? DialogDriver(window_) : DialogDriver();
}

bool DialogThread::WaitEnded() {
    return WaitFor([this] { return ended_.load(); });
}

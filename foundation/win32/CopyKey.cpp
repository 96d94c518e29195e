#include "win32/CopyKey.h"

#include <cstring>

namespace {

// Ctrl+C reaches the dialog loop as the character 3 once the keys are translated.
constexpr WPARAM kCtrlC = 3;

bool IsEditField(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

// Another program (a clipboard manager, a remote desktop) may hold the clipboard for a moment;
// the player's Ctrl+C waits for it a little, never long enough to freeze the dialog noticeably.
bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

}  // namespace

bool CopyKey::Install() {
    if (hook_ == nullptr) {
        hook_ = SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
    }
    return hook_ != nullptr;
}

void CopyKey::Remove() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
    }
}

// Runs for every message a modal dialog loop of the thread takes, before the dialog manager.
LRESULT CALLBACK CopyKey::Filter(int code, WPARAM wParam, LPARAM lParam) noexcept {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && message->message == WM_CHAR && message->wParam == kCtrlC &&
        !IsEditField(message->hwnd)) {
        SendMessageW(GetAncestor(message->hwnd, GA_ROOT), WM_COPY, 0, 0);
        return TRUE;  // taken: the loop neither translates nor dispatches it
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CopyTextToClipboard(HWND owner, const std::wstring& text) {
    const size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return false;
    }
    void* data = GlobalLock(memory);
    if (data != nullptr) {
        std::memcpy(data, text.c_str(), size);
        GlobalUnlock(memory);
    }
    bool handedOver = false;
    if (data != nullptr && OpenClipboardSoon(owner)) {
        // From here on the clipboard owns the memory, once it took it.
        handedOver = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        CloseClipboard();
    }
    if (!handedOver) {
        GlobalFree(memory);
    }
    return handedOver;
}

#include "Clipboard.h"

#include <windows.h>

#include "Cp1252.h"
#include "Wait.h"

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) {
        return {};
    }
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Another program (Wine's clipboard manager among them) may hold the clipboard for a moment.
bool EmptyTheClipboard() {
    return WaitFor([] {
        if (!OpenClipboard(nullptr)) {
            return false;
        }
        const bool emptied = EmptyClipboard() != FALSE;
        CloseClipboard();
        return emptied;
    });
}

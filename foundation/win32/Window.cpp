#include "win32/Window.h"

KStr Window::GetText(TextOrigin origin) const {
    return InCodePage(GetWideText(), origin);
}

std::wstring Window::GetWideText() const {
    return WideTextUpTo(GetWindowTextLengthW(hwnd_), [this](wchar_t* buffer, int size) {
        return GetWindowTextW(hwnd_, buffer, size);
    });
}

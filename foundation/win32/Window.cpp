#include "win32/Window.h"

KStr Window::GetText(TextOrigin origin) const {
    return TextUpTo(GetWindowTextLengthW(hwnd_), origin, [this](wchar_t* buffer, int size) {
        return GetWindowTextW(hwnd_, buffer, size);
    });
}

#include "win32/Window.h"

KStr Window::GetText() const {
    return TextUpTo(GetWindowTextLengthA(hwnd_),
                    [this](char* buffer, int size) { return GetWindowTextA(hwnd_, buffer, size); });
}

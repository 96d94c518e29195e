#pragma once

#include <windows.h>

#include <vector>

#include "KStr.h"

// A borrowed window handle with the calls every control shares. The window belongs to its
// dialog; the wrapper neither creates nor destroys it and may be copied freely.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}

    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // Attaches the control id of dialog; a missing control leaves a null handle.
    void Attach(HWND dialog, int id) { hwnd_ = GetDlgItem(dialog, id); }
    HWND Handle() const { return hwnd_; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(hwnd_, message, wParam, lParam);
    }

    bool SetText(const char* text) { return SetWindowTextA(hwnd_, text) != FALSE; }
    KStr GetText() const;

    void Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool HasFocus() const { return hwnd_ != nullptr && GetFocus() == hwnd_; }

protected:
    // The parameter that passes a text; a message's result as the int it always fits.
    static LPARAM Ptr(const char* text) { return reinterpret_cast<LPARAM>(text); }
    static int Int(LRESULT result) { return static_cast<int>(result); }

    // Text of at most length bytes that fill writes into a buffer of length + 1 bytes; fill
    // returns the number of bytes written (negative on failure, read as none).
    template <typename Fill>
    static KStr TextUpTo(LRESULT length, const Fill& fill) {
        if (length <= 0) {
            return KStr();
        }
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        LRESULT copied = fill(buffer.data(), static_cast<int>(buffer.size()));
        buffer[copied <= 0 ? 0 : (copied < length ? copied : length)] = '\0';
        return KStr(buffer.data());
    }

    HWND hwnd_ = nullptr;
};

#pragma once

#include <windows.h>

#include <algorithm>
#include <string>

#include "KStr.h"
#include "win32/WideText.h"

// A borrowed window handle with the calls every control shares. The window belongs to its
// dialog; the wrapper neither creates nor destroys it and may be copied freely. Texts go in and
// out through the W functions, converted by WideText from the code page of their origin: the
// programs' own texts unless a call says the text came from the system.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}

    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    // Attaches the control id of dialog; a missing control leaves a null handle.
    void Attach(HWND dialog, int id) { hwnd_ = GetDlgItem(dialog, id); }
    HWND Handle() const { return hwnd_; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(hwnd_, message, wParam, lParam);
    }

    bool SetText(const char* text, TextOrigin origin = TextOrigin::kProgram) {
        return SetWindowTextW(hwnd_, WideText(text != nullptr ? text : "", origin).c_str()) !=
               FALSE;
    }
    KStr GetText(TextOrigin origin = TextOrigin::kProgram) const;
    // The text as the window shows it, for what is only shown again (measured, drawn, copied).
    std::wstring GetWideText() const;

    void Show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void Enable(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    bool HasFocus() const { return hwnd_ != nullptr && GetFocus() == hwnd_; }

protected:
    // The parameter that passes a pointer (a text, or an item's data); a message's result as the
    // int it always fits.
    static LPARAM Ptr(const void* pointer) { return reinterpret_cast<LPARAM>(pointer); }
    static int Int(LRESULT result) { return static_cast<int>(result); }

    // Text of at most length characters that fill writes into a buffer of length + 1 characters;
    // fill returns the number of characters written (negative on failure, read as none).
    template <typename Fill>
    static std::wstring WideTextUpTo(LRESULT length, const Fill& fill) {
        if (length <= 0) {
            return std::wstring();
        }
        std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = fill(buffer.data(), static_cast<int>(buffer.size()));
        buffer.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
        return buffer;
    }
    // A text read from a control, in the code page of origin.
    static KStr InCodePage(const std::wstring& text, TextOrigin origin) {
        return KStr(NarrowText(text, origin).c_str());
    }

    HWND hwnd_ = nullptr;
};

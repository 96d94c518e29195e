#pragma once

#include <windows.h>

#include <string>

// Ctrl+C in the dialogs of one thread, as message boxes know it: while no edit field has the
// focus, the keys become WM_COPY to the dialog, which puts what it shows on the clipboard. In an
// edit field they copy the field's selection, as always.
class CopyKey {
public:
    CopyKey() = default;
    CopyKey(const CopyKey&) = delete;
    CopyKey& operator=(const CopyKey&) = delete;
    ~CopyKey() { Remove(); }

    // Watches the dialog messages of the calling thread; the dialog's own thread must call it.
    bool Install();
    void Remove();

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) noexcept;

    HHOOK hook_ = nullptr;
};

// Puts text (lines ended by CR LF) on the clipboard for owner; false when the clipboard can't be
// had.
bool CopyTextToClipboard(HWND owner, const std::wstring& text);

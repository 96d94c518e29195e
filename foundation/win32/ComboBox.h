#pragma once

#include "win32/Window.h"

// A combo box ("COMBOBOX"). Positions are 0-based; CB_ERR (-1) means none or failure.
class ComboBox : public Window {
public:
    using Window::Window;

    int AddString(const char* text, TextOrigin origin = TextOrigin::kProgram) {
        return Int(Send(CB_ADDSTRING, 0, Ptr(WideText(text, origin).c_str())));
    }
    void ResetContent() { Send(CB_RESETCONTENT); }
    int GetCount() const { return Int(Send(CB_GETCOUNT)); }

    int GetCurSel() const { return Int(Send(CB_GETCURSEL)); }
    // Selects index. An index outside the list, -1 included, answers CB_ERR and leaves no
    // selection (Windows clears it itself; Wine would keep the old one).
    int SetCurSel(int index) {
        int result = Int(Send(CB_SETCURSEL, index));
        if (result == CB_ERR) {
            Send(CB_SETCURSEL, static_cast<WPARAM>(-1));
        }
        return result;
    }

    // Text of entry index, in the code page of the text's origin; empty for an index out of range.
    KStr GetLBText(int index, TextOrigin origin = TextOrigin::kProgram) const {
        return InCodePage(GetLBWideText(index), origin);
    }
    // The same as the list shows it, for what is only shown again (measured, drawn).
    std::wstring GetLBWideText(int index) const {
        return WideTextUpTo(Send(CB_GETLBTEXTLEN, index), [&](wchar_t* buffer, int) {
            return Send(CB_GETLBTEXT, index, Ptr(buffer));
        });
    }

    int SetItemData(int index, LPARAM data) { return Int(Send(CB_SETITEMDATA, index, data)); }
    LPARAM GetItemData(int index) const { return Send(CB_GETITEMDATA, index); }
};

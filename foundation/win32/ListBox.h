#pragma once

#include "win32/Window.h"

// A list box ("LISTBOX"). Positions are 0-based; LB_ERR (-1) means none or failure.
class ListBox : public Window {
public:
    using Window::Window;

    int AddString(const char* text) {
        return Int(Send(LB_ADDSTRING, 0, Ptr(WideText(text).c_str())));
    }
    void ResetContent() { Send(LB_RESETCONTENT); }
    int GetCount() const { return Int(Send(LB_GETCOUNT)); }

    int GetCurSel() const { return Int(Send(LB_GETCURSEL)); }
    // Selects index without notifying the parent (-1 clears the selection); LB_ERR for an index
    // out of range and for -1.
    int SetCurSel(int index) { return Int(Send(LB_SETCURSEL, index)); }

    // Tab stops in dialog units, for a list box with LBS_USETABSTOPS.
    bool SetTabStops(int count, const int* stops) {
        return Send(LB_SETTABSTOPS, count, reinterpret_cast<LPARAM>(stops)) != FALSE;
    }

    // Text of entry index; empty for an index out of range.
    KStr GetText(int index) const {
        return InCodePage(WideTextUpTo(Send(LB_GETTEXTLEN, index),
                                       [&](wchar_t* buffer, int) {
                                           return Send(LB_GETTEXT, index, Ptr(buffer));
                                       }),
                          TextOrigin::kProgram);
    }
};

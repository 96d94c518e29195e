#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win32/Window.h"

// A tooltip ("tooltips_class32") of the common controls, for whole controls of one dialog. It is
// an owned popup of the dialog, so the system destroys it with the dialog. The tools are given
// in the size the common controls of Windows 2000 and XP without visual styles accept.
class Tooltip : public Window {
public:
    using Window::Window;

    // Creates the tooltip for owner; it shows even while owner is not the active window.
    bool Create(HWND owner) {
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        return hwnd_ != nullptr;
    }

    // Shows text while the pointer rests on control; the tooltip watches the control's mouse
    // messages itself. The text is copied.
    bool AddTool(HWND control, const char* text) {
        TOOLINFOA tool = Tool(control, text);
        tool.uFlags |= TTF_SUBCLASS;
        return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    }
    void UpdateText(HWND control, const char* text) {
        TOOLINFOA tool = Tool(control, text);
        Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }

    // Lines wider than width pixels are wrapped; with a width set, line feeds start new lines.
    void SetMaxTipWidth(int width) { Send(TTM_SETMAXTIPWIDTH, 0, width); }
    // How long the tip stays while the pointer rests (at most 32767 ms).
    void SetShowTime(int milliseconds) {
        Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
    }

private:
    TOOLINFOA Tool(HWND control, const char* text) const {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = const_cast<char*>(text);
        return tool;
    }
};

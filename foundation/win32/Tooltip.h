#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win32/Window.h"

// A tooltip ("tooltips_class32") of the common controls, for whole controls of one dialog. It is
// an owned popup of the dialog, so the system destroys it with the dialog. The tools are given
// in the size the common controls of Windows 2000 and XP without visual styles accept.
class Tooltip : public Window {
public:
    using Window::Window;

    // Creates the tooltip for owner; it shows even while owner is not the active window.
    bool Create(HWND owner) {
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        return hwnd_ != nullptr;
    }

    // Shows text while the pointer rests on control; the tooltip watches the control's mouse
    // messages itself. The text is copied.
    bool AddTool(HWND control, const char* text) {
        std::wstring wide = WideText(text);
        TOOLINFOW tool = Tool(control, wide);
        tool.uFlags |= TTF_SUBCLASS;
        return Send(TTM_ADDTOOLW, 0, Ptr(&tool)) != FALSE;
    }
    // A text already assembled in UTF-16, from parts of different origins.
    void UpdateText(HWND control, std::wstring text) {
        TOOLINFOW tool = Tool(control, text);
        Send(TTM_UPDATETIPTEXTW, 0, Ptr(&tool));
    }

    // A tip for control that shows only when Track tells it to, wherever the pointer is.
    bool AddTrackedTool(HWND control, const char* text) {
        std::wstring wide = WideText(text);
        TOOLINFOW tool = Tool(control, wide);
        tool.uFlags |= TTF_TRACK | TTF_ABSOLUTE;
        return Send(TTM_ADDTOOLW, 0, Ptr(&tool)) != FALSE;
    }
    // Shows the tracked tip of control with its top-left corner at the screen point at, or hides
    // it.
    void Track(HWND control, bool show, POINT at = {}) {
        if (show) {
            Send(TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
        }
        std::wstring none;
        TOOLINFOW tool = Tool(control, none);
        Send(TTM_TRACKACTIVATE, show ? TRUE : FALSE, Ptr(&tool));
    }
    // The size in pixels the tip of control takes with its text.
    SIZE TipSize(HWND control) const {
        std::wstring none;
        TOOLINFOW tool = Tool(control, none);
        const LRESULT size = Send(TTM_GETBUBBLESIZE, 0, Ptr(&tool));
        return {LOWORD(size), HIWORD(size)};
    }
    // Lets the tooltip show its tips on the pointer, or keeps them back.
    void Activate(bool active) { Send(TTM_ACTIVATE, active ? TRUE : FALSE); }

    // Lines wider than width pixels are wrapped; with a width set, line feeds start new lines.
    void SetMaxTipWidth(int width) { Send(TTM_SETMAXTIPWIDTH, 0, width); }
    // How long the tip stays while the pointer rests (at most 32767 ms).
    void SetShowTime(int milliseconds) {
        Send(TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
    }

private:
    static TOOLINFOW Tool(HWND control, std::wstring& text) {
        TOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();
        return tool;
    }
};

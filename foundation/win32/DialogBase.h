#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

#include "win32/Dpi.h"
#include "win32/OwnerDrawn.h"
#include "win32/ProgramIcons.h"
#include "win32/Window.h"

// What a control's notification runs: WM_COMMAND of control id with notification code
// (BN_CLICKED, CBN_SELENDOK, EN_CHANGE, LBN_SELCHANGE...).
struct CommandRoute {
    int id;
    int code;
    std::function<void()> handler;
};

// A modal dialog from a dialog template resource. The dialog procedure finds the object through
// GWLP_USERDATA (stored at WM_INITDIALOG) and hands each message to a small virtual hook, a
// control's command to its route, and an owner-drawn control's items to the object that draws
// them. Hooks and handlers run inside a window procedure: they must not throw (the procedure is
// noexcept).
class DialogBase {
public:
    explicit DialogBase(int resourceId) : resourceId_(resourceId) {}
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;
    virtual ~DialogBase() = default;

    // Shows the dialog and returns when it ends: the result given to End, or -1 when the
    // template can't be found or the window can't be created. The dialog is a Unicode window:
    // its caption and the templates' texts keep every character on any system code page.
    INT_PTR RunModal(HWND owner = nullptr, HINSTANCE instance = GetModuleHandleA(nullptr));

    // The dialog window while it runs; null before WM_INITDIALOG and after it is gone.
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    // Ends the modal loop; RunModal returns result.
    void End(INT_PTR result) { EndDialog(hwnd_, result); }
    // Attaches each control wrapper to the dialog's control of the id beside it.
    void Attach(std::initializer_list<std::pair<Window*, int>> controls);
    // The icons of the caption and the task switcher. The dialog keeps big (it must outlive the
    // window): painted in the middle of the minimised dialog, and dragged by the mouse.
    void SetIcons(HICON big, HICON small);
    // Loads icon resource id at the dialog's DPI, shows it, and hands it to held, which keeps it
    // for as long as the window shows it (the icons held before are released).
    void ShowProgramIcons(ProgramIcons& held, int id);
    // The dialog's DPI: the window's when it starts, then the one WM_DPICHANGED gives.
    const WindowDpi& Dpi() const { return dpi_; }
    // The dialog's commands, one route per control and notification; a WM_COMMAND without a
    // route goes to the default processing. Set once, from OnInitDialog.
    void Route(std::vector<CommandRoute> routes) { routes_ = std::move(routes); }
    // Hands the owner-draw messages of control id to drawn, with Dpi(); drawn must outlive the
    // window.
    void DrawnBy(int id, const OwnerDrawn& drawn) { drawn_[id] = &drawn; }
    // Enables or disables control. The dialog manager leaves no focus at all when the control
    // that has it is disabled: the focus first moves on to the next control Tab reaches.
    void EnableControl(Window& control, bool enabled) const;
    // Where no control of the active dialog has the focus (the one that had it was disabled), it
    // goes to the first control Tab reaches. An inactive dialog is left alone: the player turned
    // to another window, which keeps the activation; the check runs again when the player comes
    // back.
    void KeepFocus() const;

protected:
    // WM_INITDIALOG, after Handle() is set. True lets the system put the focus on the first
    // control; false when the hook set the focus itself.
    virtual bool OnInitDialog() { return true; }
    // WM_TIMER; the message then goes on to default processing.
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    // IDOK: the default button or Enter. Ends the dialog with IDOK unless overridden.
    virtual void OnOK() { End(IDOK); }
    // IDCANCEL: Escape, the close box, or a Cancel button. Ends with IDCANCEL unless overridden.
    virtual void OnCancel() { End(IDCANCEL); }
    // WM_COPY: Ctrl+C where no edit field takes it (win32/CopyKey.h). True when handled.
    virtual bool OnCopy() { return false; }
    // WM_PAINT of the dialog while not minimised (then the base paints the icon). True when the
    // hook painted everything; false leaves the rest to the default dialog processing.
    virtual bool OnPaint() { return false; }
    // WM_CTLCOLOR* (kind: WM_CTLCOLORSTATIC, WM_CTLCOLORBTN...): the background brush for
    // control, which must outlive the call; null leaves the system's colours.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT kind) {
        (void)dc;
        (void)control;
        (void)kind;
        return nullptr;
    }
    // WM_HELP: F1.
    virtual void OnHelp() {}
    // WM_SYSCOLORCHANGE and WM_SETTINGCHANGE: the system's colours or its high-contrast setting
    // may have changed. The base draws the dialog again after the hook.
    virtual void OnColoursChanged() {}
    // WM_DPICHANGED, after Dpi() took the new scale and the window the suggested rectangle: what
    // the dialog draws itself follows here; the template's controls and fonts follow by themselves.
    virtual void OnDpiChanged() {}

private:
    // Posted on activation: KeepFocus, once the dialog manager has restored the focus.
    static constexpr UINT kCheckFocus = WM_APP + 1;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DispatchDecoration(UINT message, WPARAM wParam, LPARAM lParam);
    bool RunRoute(int id, int code);
    void ColoursChanged(UINT message);
    // The object drawing the items of control id; null when none does.
    const OwnerDrawn* DrawnItems(UINT id) const;
    // While the dialog is minimised, paints the icon centred in its client area at the size of a
    // big icon at the dialog's DPI; false otherwise.
    bool PaintIfMinimised();

    int resourceId_;
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
    WindowDpi dpi_;
    std::vector<CommandRoute> routes_;
    std::map<UINT, const OwnerDrawn*> drawn_;
};

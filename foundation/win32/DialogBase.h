#pragma once

#include <windows.h>

#include <initializer_list>
#include <utility>

#include "win32/Window.h"

// A modal dialog from a dialog template resource. The dialog procedure finds the object through
// GWLP_USERDATA (stored at WM_INITDIALOG) and hands each message to a small virtual hook. The
// hooks run inside a window procedure: they must not throw (the procedure is noexcept).
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
    // The icons of the caption and the task switcher.
    void SetIcons(HICON big, HICON small);
    // For WM_PAINT: while the dialog is minimised, paints icon centred in its client area at the
    // size of a big icon at dpi and returns true; otherwise paints nothing and returns false.
    bool PaintIfMinimised(HICON icon, UINT dpi);

protected:
    // WM_INITDIALOG, after Handle() is set. True lets the system put the focus on the first
    // control; false when the hook set the focus itself.
    virtual bool OnInitDialog() { return true; }
    // WM_COMMAND from a control or menu other than IDOK and IDCANCEL; code is the notification
    // (BN_CLICKED, CBN_SELENDOK, EN_CHANGE, LBN_SELCHANGE...). True when handled.
    virtual bool OnCommand(int id, int code) {
        (void)id;
        (void)code;
        return false;
    }
    // WM_TIMER; the message then goes on to default processing.
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    // IDOK: the default button or Enter. Ends the dialog with IDOK unless overridden.
    virtual void OnOK() { End(IDOK); }
    // IDCANCEL: Escape, the close box, or a Cancel button. Ends with IDCANCEL unless overridden.
    virtual void OnCancel() { End(IDCANCEL); }
    // Every other message (WM_PAINT, WM_CTLCOLOR*, WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM,
    // WM_QUERYDRAGICON...). Returns true when handled and sets *result to the dialog procedure's
    // return value: the brush for WM_CTLCOLOR*, the icon for WM_QUERYDRAGICON, the order for
    // WM_COMPAREITEM, TRUE for WM_DRAWITEM and WM_MEASUREITEM. False leaves the message to the
    // default dialog processing.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
        (void)message;
        (void)wParam;
        (void)lParam;
        (void)result;
        return false;
    }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int resourceId_;
    HWND hwnd_ = nullptr;
};

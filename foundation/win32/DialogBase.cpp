#include "win32/DialogBase.h"

#include "win32/Dpi.h"

namespace {

// Runs draw with the object that draws a control's items: TRUE, or FALSE when none does.
template <typename Draw>
INT_PTR HandTo(const OwnerDrawn* drawn, const Draw& draw) {
    if (drawn == nullptr) {
        return FALSE;
    }
    draw(*drawn);
    return TRUE;
}

}  // namespace

INT_PTR DialogBase::RunModal(HWND owner, HINSTANCE instance) {
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(resourceId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void DialogBase::Attach(std::initializer_list<std::pair<Window*, int>> controls) {
    for (auto [control, id] : controls) {
        control->Attach(hwnd_, id);
    }
}

void DialogBase::SetIcons(HICON big, HICON small) {
    icon_ = big;
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void DialogBase::ShowProgramIcons(ProgramIcons& held, int id) {
    ProgramIcons fresh(GetModuleHandleA(nullptr), id, dpi_.Get());
    SetIcons(fresh.Big(), fresh.Small());
    held = std::move(fresh);  // the window no longer shows the old ones
}

bool DialogBase::RunRoute(int id, int code) {
    for (const CommandRoute& route : routes_) {
        if (route.id == id && route.code == code) {
            route.handler();
            return true;
        }
    }
    return false;
}

const OwnerDrawn* DialogBase::DrawnItems(UINT id) const {
    auto found = drawn_.find(id);
    return found != drawn_.end() ? found->second : nullptr;
}

void DialogBase::EnableControl(Window& control, bool enabled) const {
    if (!enabled && control.HasFocus()) {
        SendMessageW(hwnd_, WM_NEXTDLGCTL, 0, FALSE);
    }
    control.Enable(enabled);
    KeepFocus();  // when it was the only control Tab reaches
}

void DialogBase::KeepFocus() const {
    if (hwnd_ == nullptr || GetActiveWindow() != hwnd_) {
        return;
    }
    // An open list of a combo box may hold the focus too: only none, or the dialog itself, or a
    // disabled control, call for a move.
    HWND focus = GetFocus();
    if (focus != nullptr && focus != hwnd_ && IsWindowEnabled(focus)) {
        return;
    }
    if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
}

// Common controls learn of new system colours from their top-level window; then the dialog and
// its controls are drawn again at once.
void DialogBase::ColoursChanged(UINT message) {
    if (message == WM_SYSCOLORCHANGE) {
        for (HWND child = GetWindow(hwnd_, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
        }
    }
    OnColoursChanged();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool DialogBase::PaintIfMinimised() {
    if (icon_ == nullptr || !IsIconic(hwnd_)) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = SystemMetricForDpi(SM_CXICON, dpi_.Get());
    const int height = SystemMetricForDpi(SM_CYICON, dpi_.Get());
    const int x = (client.right - client.left - width + 1) / 2;
    const int y = (client.bottom - client.top - height + 1) / 2;
    DrawIconEx(dc, x, y, icon_, width, height, 0, nullptr, DI_NORMAL);
    EndPaint(hwnd_, &paint);
    return true;
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<DialogBase*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        dialog->hwnd_ = hwnd;
        dialog->dpi_.Follow(hwnd);
        return dialog->OnInitDialog() ? TRUE : FALSE;
    }
    // Messages before WM_INITDIALOG (WM_SETFONT...) find no object yet.
    auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        dialog->hwnd_ = nullptr;
        return FALSE;
    }
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR DialogBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            if (id == IDOK) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return RunRoute(id, HIWORD(wParam)) ? TRUE : FALSE;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return FALSE;
        case WM_COPY:
            return OnCopy() ? TRUE : FALSE;
        case WM_HELP:
            OnHelp();
            return TRUE;
        case WM_ACTIVATE:
            // The dialog manager restores the focus it saved after this message; the check
            // follows it.
            if (LOWORD(wParam) != WA_INACTIVE) {
                PostMessageW(hwnd_, kCheckFocus, 0, 0);
            }
            return FALSE;
        case kCheckFocus:
            KeepFocus();
            return TRUE;
        default:
            return DispatchDecoration(message, wParam, lParam);
    }
}

// What a dialog's look asks: painting, the icon, colours, owner-drawn items and the display
// scale. FALSE leaves a message to the default dialog processing.
INT_PTR DialogBase::DispatchDecoration(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        HBRUSH brush =
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        return reinterpret_cast<INT_PTR>(brush);  // null: the system's colours
    }
    switch (message) {
        case WM_PAINT:
            return PaintIfMinimised() || OnPaint() ? TRUE : FALSE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(icon_);
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            return HandTo(DrawnItems(item.CtlID),
                          [&](const OwnerDrawn& drawn) { drawn.MeasureItem(item, dpi_.Get()); });
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return HandTo(DrawnItems(item.CtlID),
                          [&](const OwnerDrawn& drawn) { drawn.DrawItem(item, dpi_.Get()); });
        }
        case WM_COMPAREITEM: {
            const auto& item = *reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
            const OwnerDrawn* drawn = DrawnItems(item.CtlID);
            return drawn != nullptr ? drawn->CompareItem(item) : 0;
        }
        case WM_DPICHANGED:
            dpi_.OnDpiChanged(hwnd_, wParam, lParam);
            OnDpiChanged();
            return FALSE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            ColoursChanged(message);
            return FALSE;  // the template's controls and fonts follow in the default processing
        default:
            return FALSE;
    }
}

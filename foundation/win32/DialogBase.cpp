#include "win32/DialogBase.h"

#include "win32/Dpi.h"

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
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

bool DialogBase::PaintIfMinimised(HICON icon, UINT dpi) {
    if (!IsIconic(hwnd_)) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = SystemMetricForDpi(SM_CXICON, dpi);
    const int height = SystemMetricForDpi(SM_CYICON, dpi);
    const int x = (client.right - client.left - width + 1) / 2;
    const int y = (client.bottom - client.top - height + 1) / 2;
    DrawIconEx(dc, x, y, icon, width, height, 0, nullptr, DI_NORMAL);
    EndPaint(hwnd_, &paint);
    return true;
}

INT_PTR CALLBACK DialogBase::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<DialogBase*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        dialog->hwnd_ = hwnd;
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
            return OnCommand(id, HIWORD(wParam)) ? TRUE : FALSE;
        }
        case WM_TIMER:
            OnTimer(wParam);
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wParam, lParam, &result) ? result : FALSE;
        }
    }
}

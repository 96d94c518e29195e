#pragma once

#include "win32/Window.h"

// A push button, check box or radio button ("BUTTON").
class Button : public Window {
public:
    using Window::Window;

    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

#pragma once

#include "win32/Window.h"

// An edit control ("EDIT"); its text goes through Window::SetText and GetText.
class Edit : public Window {
public:
    using Window::Window;

    // The most characters the user can type; a longer text set by the program is not cut.
    void LimitText(int characters) { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
};

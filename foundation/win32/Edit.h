#pragma once

#include "Window.h"

// An edit control ("EDIT"); its text goes through Window::SetText and GetText.
class Edit : public Window {
public:
    using Window::Window;
};

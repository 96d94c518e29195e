#pragma once

#include "Window.h"

// A static control ("STATIC"): a label or frame; text and visibility come from Window.
class Static : public Window {
public:
    using Window::Window;
};

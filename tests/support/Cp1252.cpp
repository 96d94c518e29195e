#include "Cp1252.h"

#include "win32/WideText.h"

std::wstring Widen(const std::string& text) {
    return WideText(text);
}

std::string Narrow(const std::wstring& text) {
    return NarrowText(text);
}

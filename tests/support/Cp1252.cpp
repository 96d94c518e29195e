#include "Cp1252.h"

#include <windows.h>

constexpr UINT kCodePage = 1252;

std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    int length = static_cast<int>(text.size());
    int size = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(kCodePage, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(kCodePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kCodePage, 0, text.data(), length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

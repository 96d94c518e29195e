#include "win32/WideText.h"

#include <windows.h>

namespace {

constexpr UINT kProgramCodePage = 1252;

UINT CodePageOf(TextOrigin origin) {
    switch (origin) {
        case TextOrigin::kProgram:
            return kProgramCodePage;
        case TextOrigin::kUtf8:
            return CP_UTF8;
        case TextOrigin::kSystem:
            break;
    }
    return CP_ACP;
}

}  // namespace

std::wstring WideText(std::string_view text, TextOrigin origin) {
    const UINT codePage = CodePageOf(origin);
    const int length = static_cast<int>(text.size());
    const int size =
        length == 0 ? 0 : MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    if (size > 0) {
        MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
    }
    return wide;
}

std::string NarrowText(std::wstring_view text, TextOrigin origin) {
    const UINT codePage = CodePageOf(origin);
    const int length = static_cast<int>(text.size());
    const int size = length == 0 ? 0
                                 : WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0,
                                                       nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    if (size > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), size, nullptr,
                            nullptr);
    }
    return narrow;
}

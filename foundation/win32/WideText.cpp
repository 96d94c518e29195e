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

// Whether WideCharToMultiByte takes the question of default characters for codePage: a UTF-8 code
// page has every character and accepts neither the flag nor the question.
bool MayLackCharacters(UINT codePage) {
    return codePage != CP_UTF8 && !(codePage == CP_ACP && GetACP() == CP_UTF8);
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

std::optional<std::string> ExactNarrowText(std::wstring_view text, TextOrigin origin) {
    if (text.empty()) {
        return std::string();
    }
    const UINT codePage = CodePageOf(origin);
    const bool mayLack = MayLackCharacters(codePage);
    const DWORD flags = mayLack ? WC_NO_BEST_FIT_CHARS : 0;
    const int length = static_cast<int>(text.size());
    BOOL inexact = FALSE;
    BOOL* lacked = mayLack ? &inexact : nullptr;
    const int size =
        WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, lacked);
    if (size <= 0 || inexact) {
        return std::nullopt;
    }
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, narrow.data(), size, nullptr,
                        nullptr);
    return narrow;
}

std::wstring WideTextAsTheAFunctions(std::string_view bytes) {
    CPINFO info = {};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 2) {
        return WideText(bytes, TextOrigin::kSystem);
    }
    std::wstring wide;
    for (size_t at = 0; at < bytes.size();) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(bytes[at])) != FALSE;
        if (lead && at + 1 == bytes.size()) {
            wide += L'\0';  // a lead byte without a trail, as the A functions read it
            break;
        }
        const size_t length = lead ? 2 : 1;
        // A pair that the conversion splits (an invalid trail, the terminator) starts with the
        // default character, which the A functions give the whole pair.
        wide += WideText(bytes.substr(at, length), TextOrigin::kSystem).front();
        at += length;
    }
    return wide;
}

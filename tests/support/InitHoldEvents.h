// The two events between InitHold (InitHold.h) in a test and its hook in the program: the hook
// sets "Held" once it holds the program's thread, and lets it go when the test sets "Go".
#pragma once

#include <windows.h>

#include <string>

inline std::wstring InitHoldEvent(DWORD thread, const wchar_t* which) {
    return L"Local\\KrumbelInitHold" + std::to_wstring(thread) + which;
}

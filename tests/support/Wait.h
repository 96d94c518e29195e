// The one wait of the Windows tests. Every wait asks its question every 10 ms and gives up after
// kPatienceMs: long enough for a program's start-up under Wine on a machine busy with other
// tests, short enough that a hang fails the test before ctest's own limit ends it. A test that
// checks how fast something happens measures the time it took; it doesn't shorten the wait.
#pragma once

#include <windows.h>

constexpr DWORD kPatienceMs = 60000;

// Calls done() until it is true or timeoutMs have passed; true when it was.
template <typename Done>
bool WaitFor(const Done& done, DWORD timeoutMs = kPatienceMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

// Breaks both rules of the import check on purpose, so that its tests see the check fail: it
// imports a function that only Windows Vista and later export, and it formats a number through
// msvcrt.dll's own printf family.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

#include <cstdio>

int main() {
    char number[32];
    _snprintf(number, sizeof number, "%g", static_cast<double>(GetTickCount64()));
    return number[0] == '\0' ? 1 : 0;
}

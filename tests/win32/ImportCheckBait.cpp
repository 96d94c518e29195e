// Breaks the rules of the import check on purpose, so that its tests see the check fail: it
// imports a function that only Windows Vista and later export, one that the 32-bit Windows XP's
// msvcrt.dll lacks although some export lists carry it (_mkgmtime), and it formats a number
// through msvcrt.dll's own printf family.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <ctime>

// msvcrt.dll's _mkgmtime itself, which the header maps to _mkgmtime32 or _mkgmtime64 by name.
#define BAIT_TEXT(text) #text
#define BAIT_SYMBOL(prefix, name) BAIT_TEXT(prefix) name
extern "C" std::intptr_t MsvcrtMkgmtime(std::tm* time) __asm__(BAIT_SYMBOL(__USER_LABEL_PREFIX__,
                                                                           "_mkgmtime"));

int main() {
    std::tm epoch = {};
    epoch.tm_year = 70;
    epoch.tm_mday = 1;
    char number[32];
    _snprintf(number, sizeof number, "%g",
              static_cast<double>(GetTickCount64() + MsvcrtMkgmtime(&epoch)));
    return number[0] == '\0' ? 1 : 0;
}

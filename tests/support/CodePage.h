// The system code page of a test that cmake/run-in-locale.sh runs in another locale.
#pragma once

#include <windows.h>

#include <cstdlib>

// Whether the system code page is the one the test's locale gives (KRUMBEL_CODE_PAGE), where the
// test runs in one; true elsewhere.
inline bool CodePageAsAskedFor() {
    const char* codePage = std::getenv("KRUMBEL_CODE_PAGE");
    return codePage == nullptr || GetACP() == static_cast<UINT>(std::atoi(codePage));
}

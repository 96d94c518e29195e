// Windows-1252 text, the programs' own, as UTF-16 and back: what the A functions do on a system
// whose code page is 1252. The tests read other processes and the registry through the W
// functions (Wine hands only the first character of an A text across processes) and convert.
#pragma once

#include <string>

std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);

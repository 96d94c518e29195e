#pragma once

#include <windows.h>

#include <map>
#include <string>

// The game's settings key HKCU\Software\Harnwick\Krumbel, set up and read back with the plain
// ADVAPI32 calls, so that the code under test never checks itself. Paths use "\" between
// subkeys and value ("Screen\Width").
namespace settings_key {

constexpr const char* kPath = "Software\\Harnwick\\Krumbel";

struct Value {
    DWORD type = 0;
    std::string text;  // the data without its terminator
    bool operator==(const Value&) const = default;
};

// Removes the key with everything below it.
void Clear();
// Stores text as a REG_SZ value, creating the keys on the way.
void Store(const std::string& path, const std::string& text);
// Every value below the key, by path.
std::map<std::string, Value> All();
// Whether the key exists at all.
bool Exists();

}  // namespace settings_key

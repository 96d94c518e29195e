// Sets up the game's settings key HKCU\Software\Harnwick\Krumbel the way the game, a user with a
// registry editor or another tool may leave it, with the plain ADVAPI32 calls. Names and data
// given as std::string are Windows-1252 bytes written through the A functions (as the game
// writes); std::wstring ones go through the W functions, so they may hold characters that
// Windows-1252 has not.
#pragma once

#include <windows.h>

#include <string>

namespace hostile {

inline const std::string kVendorPath = "Software\\Harnwick";
inline const std::string kPath = kVendorPath + "\\Krumbel";

// One value to store: its type and its data bytes exactly.
struct Data {
    DWORD type = REG_SZ;
    std::string bytes;
};
// REG_SZ text with its terminator, as a well-behaved writer stores it.
Data Sz(const std::string& text);
Data Dword(DWORD value);
// Every byte from 0x80 to 0xFF once.
std::string HighBytes();

// Removes the vendor's key with everything below it.
void Clear();
// Creates key (a path below the settings key, "" the key itself); false when the registry
// refuses the name.
bool CreateKey(const std::string& key);
bool Set(const std::string& key, const std::string& name, const Data& data);
// The default value of key.
bool SetDefault(const std::string& key, const Data& data);
bool SetWide(const std::wstring& key, const std::wstring& name, const std::wstring& text);

// Values in the subkey that both programs write to.
constexpr int kBulkValues = 10000;
constexpr int kDeepLevels = 100;
constexpr int kDeeperLevels = 3000;  // beyond Windows' limit of 512 levels

// Everything neither program owns: values of every type, odd sizes and names, high bytes,
// characters outside Windows-1252, empty and namesake subkeys, 10,000 values in "Performance"
// and chains of subkeys kDeepLevels and kDeeperLevels deep. Fails the calling test when the
// registry refuses an item that it should take.
void FillForeignItems();

}  // namespace hostile

// The game's settings key HKCU\Software\Harnwick\Krumbel, set up and checked with the plain
// ADVAPI32 calls, so that the program under test never checks itself.
#pragma once

#include <windows.h>

#include <string>

#include "ScratchKey.h"  // DeleteKeyTree, RawValue, SzValue

namespace settings {

inline const std::string kVendorPath = "Software\\Harnwick";
inline const std::string kPath = kVendorPath + "\\Krumbel";

// Removes the vendor's key with the settings below it.
inline void Clear() {
    DeleteKeyTree(HKEY_CURRENT_USER, kVendorPath);
}

inline bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Stores text as the REG_SZ value name of group (a subkey of the settings key, created).
inline LONG SetText(const std::string& group, const char* name, const std::string& text) {
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, (kPath + "\\" + group).c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }
    return status;
}

// Value name of group as stored; the buffer is padded with a canary so that a size that
// disagrees with the bytes written shows.
inline RawValue Get(const std::string& group, const char* name) {
    RawValue value;
    HKEY key = nullptr;
    value.status =
        RegOpenKeyExA(HKEY_CURRENT_USER, (kPath + "\\" + group).c_str(), 0, KEY_READ, &key);
    if (value.status != ERROR_SUCCESS) {
        return value;
    }
    std::string buffer(512, '\xa5');
    DWORD size = static_cast<DWORD>(buffer.size() - 16);
    value.status = RegQueryValueExA(key, name, nullptr, &value.type,
                                    reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(key);
    if (value.status == ERROR_SUCCESS) {
        value.bytes = buffer.substr(0, size);
    }
    return value;
}

// Number of values in group; -1 when the key is missing.
inline int ValueCount(const std::string& group) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (kPath + "\\" + group).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return -1;
    }
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return static_cast<int>(count);
}

}  // namespace settings

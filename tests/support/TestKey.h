// A key below HKCU named by its path, set up and checked by the tests with the plain ADVAPI32
// calls, so that the code under test never checks itself.
#pragma once

#include <windows.h>

#include <sddl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Cp1252.h"
#include "RegistrySnapshot.h"

// Removes the key path below parent with all its subkeys; missing keys are fine. The W functions
// reach every name, also those that the A functions can't address (characters outside the code
// page), and all names are collected before any key goes: a key that refuses to go is left
// behind instead of being tried again forever. Small frames, for chains thousands of keys deep.
inline void DeleteKeyTree(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return;
    }
    std::vector<std::wstring> subkeys;
    std::wstring name(1024, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD size = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key, index, name.data(), &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(name.substr(0, size));
    }
    for (const std::wstring& subkey : subkeys) {
        DeleteKeyTree(key, subkey);
    }
    RegCloseKey(key);
    RegDeleteKeyW(parent, path.c_str());
}
inline void DeleteKeyTree(HKEY parent, const std::string& path) {
    DeleteKeyTree(parent, Widen(path));
}

// Every call names a subkey sub of the key ("Screen", "A\B"; empty: the key itself).
class TestKey {
public:
    explicit TestKey(std::string path) : path_(std::move(path)) {}

    // The key's registry path below HKCU.
    const std::string& Path() const { return path_; }
    std::string Sub(const std::string& sub) const {
        return sub.empty() ? path_ : path_ + "\\" + sub;
    }

    // Removes the key with everything below it; a missing key is fine.
    void Delete() const { DeleteKeyTree(HKEY_CURRENT_USER, path_); }

    // Creates subkey sub (and the keys above it) without values.
    LONG CreateKey(const std::string& sub) const {
        HKEY key = nullptr;
        LONG status = Create(sub, key);
        if (status == ERROR_SUCCESS) {
            RegCloseKey(key);
        }
        return status;
    }

    // Stores size bytes of data as value name (null: default value) of subkey sub, creating it.
    LONG Set(const std::string& sub, const char* name, DWORD type, const void* data,
             DWORD size) const {
        HKEY key = nullptr;
        LONG status = Create(sub, key);
        if (status == ERROR_SUCCESS) {
            status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
            RegCloseKey(key);
        }
        return status;
    }
    // Text as REG_SZ with its terminator.
    LONG SetText(const std::string& sub, const char* name, const std::string& text) const {
        return Set(sub, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }

    // Value name (null: the default value) of subkey sub, read as a snapshot reads it; none when
    // the key or the value is missing.
    std::optional<StoredValue> Get(const std::string& sub, const char* name) const {
        const Snapshot key = TakeSnapshot(HKEY_CURRENT_USER, Widen(Sub(sub)));
        const auto values = key.find(L"");
        if (values == key.end()) {
            return std::nullopt;
        }
        const auto value = values->second.find(name != nullptr ? Widen(name) : L"");
        if (value == values->second.end()) {
            return std::nullopt;
        }
        return value->second;
    }

    bool HasKey(const std::string& sub) const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Sub(sub).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    // Number of values in subkey sub; -1 when it is missing.
    int ValueCount(const std::string& sub) const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Sub(sub).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS) {
            return -1;
        }
        DWORD count = 0;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
        return static_cast<int>(count);
    }

private:
    LONG Create(const std::string& sub, HKEY& key) const {
        return RegCreateKeyExA(HKEY_CURRENT_USER, Sub(sub).c_str(), 0, nullptr,
                               REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    }

    std::string path_;
};

// While it lives, key path below HKCU may be read but not written, as a key copied from another
// account or restricted by an administrator. Its owner may always change the permissions: the
// destructor gives full access back, for the clean-up.
class ReadOnlyKey {
public:
    explicit ReadOnlyKey(std::string path) : path_(std::move(path)) {
        applied_ = SetAccess(L"D:P(A;;KR;;;WD)");
    }
    ~ReadOnlyKey() { SetAccess(L"D:P(A;;KA;;;WD)"); }
    ReadOnlyKey(const ReadOnlyKey&) = delete;
    ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;

    bool Applied() const { return applied_; }

private:
    // Gives the key the access list of sddl, for everyone.
    bool SetAccess(const wchar_t* sddl) const {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
            return false;
        }
        PSECURITY_DESCRIPTOR access = nullptr;
        bool set = ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                        &access, nullptr) &&
                   RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, access) == ERROR_SUCCESS;
        LocalFree(access);
        RegCloseKey(key);
        return set;
    }

    std::string path_;
    bool applied_ = false;
};

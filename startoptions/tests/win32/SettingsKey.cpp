#include "SettingsKey.h"

#include "ScratchKey.h"

namespace settings_key {

namespace {

void Collect(HKEY key, const std::string& prefix, std::map<std::string, Value>& values) {
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        char data[1024] = {};
        DWORD dataSize = sizeof data - 1;
        DWORD type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataSize) != ERROR_SUCCESS) {
            break;
        }
        std::string text(data, dataSize);
        if (!text.empty() && text.back() == '\0') {
            text.pop_back();
        }
        values[prefix + name] = Value{type, text};
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY sub = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) == ERROR_SUCCESS) {
            Collect(sub, prefix + name + "\\", values);
            RegCloseKey(sub);
        }
    }
}

}  // namespace

void Clear() {
    DeleteKeyTree(HKEY_CURRENT_USER, kPath);
}

void Store(const std::string& path, const std::string& text) {
    std::string full = std::string(kPath) + "\\" + path;
    size_t split = full.find_last_of('\\');
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, full.substr(0, split).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, full.substr(split + 1).c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

std::map<std::string, Value> All() {
    std::map<std::string, Value> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        Collect(key, "", values);
        RegCloseKey(key);
    }
    return values;
}

bool Exists() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

}  // namespace settings_key

#include "SettingsKey.h"

#include "TestKey.h"

namespace settings_key {

namespace {

const TestKey kKey(kPath);

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
    kKey.Delete();
}

void Store(const std::string& path, const std::string& text) {
    size_t split = path.find_last_of('\\');
    std::string group = split == std::string::npos ? "" : path.substr(0, split);
    kKey.SetText(group, path.substr(split + 1).c_str(), text);
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
    return kKey.HasKey("");
}

}  // namespace settings_key

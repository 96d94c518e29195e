#include "RegistrySnapshot.h"

#include <cstdio>

namespace {

// Both sizes in characters, terminator included.
struct KeySizes {
    DWORD subkeyName = 0;
    DWORD valueName = 0;
    DWORD data = 0;  // bytes
};

KeySizes SizesOf(HKEY key) {
    DWORD subkeyName = 0, valueName = 0, data = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, &subkeyName, nullptr, nullptr,
                     &valueName, &data, nullptr, nullptr);
    return KeySizes{subkeyName + 1, valueName + 1, data};
}

void ReadValues(HKEY key, const KeySizes& sizes, StoredValues& values) {
    std::vector<wchar_t> name(sizes.valueName);
    std::vector<BYTE> data(sizes.data + 1);
    for (DWORD index = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        LONG status = RegEnumValueW(key, index, name.data(), &nameSize, nullptr, &type, data.data(),
                                    &dataSize);
        if (status == ERROR_MORE_DATA) {  // the key's sizes were too small: grow, ask again
            name.resize(32768);
            data.resize(data.size() * 2 + dataSize);
            continue;
        }
        if (status != ERROR_SUCCESS) {
            return;
        }
        values[std::wstring(name.data(), nameSize)] =
            StoredValue{type, std::string(reinterpret_cast<char*>(data.data()), dataSize)};
        ++index;
    }
}

// Reads key, found at relative below the snapshot's key, and everything below it. Subkeys open
// relative to their parent, so a chain thousands of keys deep costs one step per key, and the
// frames are small.
void ReadTree(HKEY key, const std::wstring& relative, Snapshot& snapshot) {
    KeySizes sizes = SizesOf(key);
    ReadValues(key, sizes, snapshot[relative]);
    std::vector<std::wstring> subkeys;
    std::wstring name(sizes.subkeyName, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = sizes.subkeyName;
        if (RegEnumKeyExW(key, index, name.data(), &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.push_back(name.substr(0, nameSize));
    }
    for (const std::wstring& subkey : subkeys) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(key, subkey.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            ReadTree(opened, relative.empty() ? subkey : relative + L"\\" + subkey, snapshot);
            RegCloseKey(opened);
        }
    }
}

}  // namespace

Snapshot TakeSnapshot(HKEY root, const std::wstring& path) {
    Snapshot snapshot;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        ReadTree(key, L"", snapshot);
        RegCloseKey(key);
    }
    return snapshot;
}

ValuesByPath ByPath(const Snapshot& snapshot) {
    ValuesByPath values;
    for (const auto& [key, keyValues] : snapshot) {
        const std::string prefix = key.empty() ? "" : Narrow(key) + "\\";
        for (const auto& [name, value] : keyValues) {
            values[prefix + Narrow(name)] = value;
        }
    }
    return values;
}

StoredValue StoredSz(const std::string& text, DWORD type) {
    std::wstring wide = Widen(text);
    wide.push_back(L'\0');
    return StoredValue{type, std::string(reinterpret_cast<const char*>(wide.data()),
                                         wide.size() * sizeof(wchar_t))};
}

std::string TextOf(const StoredValue& value) {
    std::wstring wide(reinterpret_cast<const wchar_t*>(value.bytes.data()),
                      value.bytes.size() / sizeof(wchar_t));
    return Narrow(wide.substr(0, wide.find(L'\0')));
}

std::string Printable(const std::wstring& name) {
    constexpr size_t kShown = 40;
    std::string text;
    for (size_t i = 0; i < name.size() && i < kShown; ++i) {
        wchar_t c = name[i];
        if (c >= 0x20 && c < 0x7f) {
            text.push_back(static_cast<char>(c));
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            text += escape;
        }
    }
    if (name.size() > kShown) {
        text += "...(" + std::to_string(name.size()) + " characters)";
    }
    return text.empty() ? "(default)" : text;
}

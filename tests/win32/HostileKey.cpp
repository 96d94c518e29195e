#include "HostileKey.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/Cp1252.h"
#include "support/TestKey.h"  // DeleteKeyTree

namespace hostile {

namespace {

// Opens key (a path below the settings key), creating it one name at a time: Wine's A functions
// take no path of more than about 260 characters in one call. Null when the registry refuses.
HKEY CreatePath(const std::string& key) {
    HKEY current = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &current, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    for (size_t start = 0; current != nullptr && start < key.size();) {
        size_t end = std::min(key.find('\\', start), key.size());
        HKEY next = nullptr;
        if (RegCreateKeyExA(current, key.substr(start, end - start).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &next,
                            nullptr) != ERROR_SUCCESS) {
            next = nullptr;
        }
        RegCloseKey(current);
        current = next;
        start = end + 1;
    }
    return current;
}

// Values of other types, odd data sizes and odd names, in key.
void FillOddValues(const std::string& key) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        Data data;
    } values[] = {
        {"GameDword", Dword(42)},
        {"GameQword", {REG_QWORD, "\x01\x02\x03\x04\x05\x06\x07\x08"s}},
        {"GameMulti", {REG_MULTI_SZ, "first\0second\0\0"s}},
        {"GameExpand", {REG_EXPAND_SZ, "%TEMP%\\krumbel\0"s}},
        {"GameNone", {REG_NONE, "\xff\x00\xfe"s}},
        {"NoTerminator", {REG_SZ, "abc"}},
        {"EmbeddedZero", {REG_SZ, "abc\0def\0"s}},
        {"EmptySz", {REG_SZ, ""}},
        {"EmptyBinary", {REG_BINARY, ""}},
        {"EmptyDword", {REG_DWORD, ""}},
        {"EmptyMulti", {REG_MULTI_SZ, ""}},
        {"Data255", Sz(std::string(255, 'd'))},
        {"Data255NoTerminator", {REG_SZ, std::string(255, 'd')}},
        {"Data256", Sz(std::string(256, 'd'))},
        {"Data256NoTerminator", {REG_SZ, std::string(256, 'd')}},
        {"Data1000", Sz(std::string(1000, 'd'))},
        {"HighData", Sz(HighBytes())},
        {"Separators/in\\name", Sz("slash and backslash")},
    };
    for (const auto& v : values) {
        EXPECT_TRUE(Set(key, v.name, v.data)) << v.name;
    }
    std::string binary;
    for (int c = 0; c < 256; ++c) {
        binary.push_back(static_cast<char>(c));
    }
    EXPECT_TRUE(Set(key, "GameBinary", {REG_BINARY, binary}));
    for (size_t length : {255, 256, 1000}) {
        EXPECT_TRUE(Set(key, std::string(length, 'N'), Sz("name of " + std::to_string(length))));
    }
    EXPECT_TRUE(Set(key, "High" + HighBytes(), Sz("high bytes in the name")));
    EXPECT_TRUE(Set(key, std::string(255, '\xff'), Sz(HighBytes())));
    // Characters outside Windows-1252, in the name, the data or both.
    EXPECT_TRUE(SetWide(Widen(key), L"Wert\u4e2d\u0100", L"\u0141ukasz \u4e2d"));
    EXPECT_TRUE(SetWide(Widen(key), L"Player", L"\u0141ukasz"));
}

// Subkeys that are empty, named like a value, with long or high-byte or non-1252 names.
void FillOddSubkeys(const std::string& key) {
    std::string at = key + "\\";
    EXPECT_TRUE(SetDefault(key, Dword(5)));
    EXPECT_TRUE(CreateKey(at + "Empty"));
    // Namesakes: a subkey with contents and an empty one, each beside a value of its name.
    EXPECT_TRUE(Set(at + "Twin", "Inner", Sz("inside the twin key")));
    EXPECT_TRUE(Set(key, "Twin", Sz("the twin value")));
    EXPECT_TRUE(CreateKey(at + "EmptyTwin"));
    EXPECT_TRUE(Set(key, "EmptyTwin", Dword(7)));
    EXPECT_TRUE(Set(at + "OnlyForeignDefault", "", {REG_BINARY, "\x01"}));
    EXPECT_TRUE(Set(at + std::string(255, 'K'), "Inside", Sz("under a 255-character name")));
    // Windows refuses key names over 255 characters; where the registry takes one, it is kept.
    Set(at + std::string(256, 'K'), "Inside", Sz("under a 256-character name"));
    Set(at + std::string(1000, 'K'), "Inside", Sz("under a 1000-character name"));
    EXPECT_TRUE(Set(at + "Key" + HighBytes(), "High" + HighBytes(), Sz(HighBytes())));
    EXPECT_TRUE(SetWide(Widen(at) + L"Schl\u00fcssel\u4e2d", L"Inner", L"x"));
    EXPECT_TRUE(SetWide(Widen(at) + L"Schl\u00fcssel\u4e2d", L"", L"default"));

    std::string deep = at + "Deep";
    for (int level = 1; level <= kDeepLevels; ++level) {
        deep += "\\L" + std::to_string(level);
    }
    EXPECT_TRUE(Set(deep, "Bottom", Sz("100 levels down")));
    // Windows refuses keys more than 512 levels deep; where the registry takes them (Wine does),
    // they must not crash a reader that recurses.
    std::string deeper = at + "Deeper";
    for (int level = 1; level <= kDeeperLevels; ++level) {
        deeper += "\\L";
    }
    Set(deeper, "Bottom", Sz("far down"));
}

// kBulkValues REG_SZ values through one open key.
void FillBulk(const std::string& key) {
    HKEY handle = CreatePath(key);
    ASSERT_NE(handle, nullptr);
    for (int i = 0; i < kBulkValues; ++i) {
        char name[16];
        snprintf(name, sizeof name, "Bulk%05d", i);
        std::string text = std::to_string(i);
        RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }
    RegCloseKey(handle);
}

}  // namespace

std::string HighBytes() {
    std::string bytes;
    for (int c = 0x80; c <= 0xff; ++c) {
        bytes.push_back(static_cast<char>(c));
    }
    return bytes;
}

Data Sz(const std::string& text) {
    return Data{REG_SZ, text + '\0'};
}

Data Dword(DWORD value) {
    return Data{REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

void Clear() {
    DeleteKeyTree(HKEY_CURRENT_USER, kVendorPath);
}

bool CreateKey(const std::string& key) {
    HKEY handle = CreatePath(key);
    if (handle != nullptr) {
        RegCloseKey(handle);
    }
    return handle != nullptr;
}

bool Set(const std::string& key, const std::string& name, const Data& data) {
    HKEY handle = CreatePath(key);
    if (handle == nullptr) {
        return false;
    }
    LONG status = RegSetValueExA(handle, name.empty() ? nullptr : name.c_str(), 0, data.type,
                                 reinterpret_cast<const BYTE*>(data.bytes.data()),
                                 static_cast<DWORD>(data.bytes.size()));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

bool SetDefault(const std::string& key, const Data& data) {
    return Set(key, "", data);
}

bool SetWide(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    std::wstring path = Widen(kPath) + (key.empty() ? L"" : L"\\" + key);
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG status = RegSetValueExW(handle, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

void FillForeignItems() {
    FillOddValues("");
    FillOddValues("Game");
    FillOddSubkeys("Game");
    EXPECT_TRUE(Set("", "Screen", Sz("a value named like the Screen key")));
    EXPECT_TRUE(Set("Screen", "RefreshRate", Dword(60)));
    EXPECT_TRUE(SetWide(L"Misc", L"Comment", L"\u03a9 \u4e2d"));
    EXPECT_TRUE(SetDefault("", {REG_BINARY, "\x01\x02\x03"}));
    FillBulk("Performance");
}

}  // namespace hostile

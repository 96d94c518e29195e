#include "win32/RegKey.h"

#include <cstring>

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = other.Detach();
    }
    return *this;
}

LONG RegKey::Open(HKEY parent, const char* name) {
    return OpenWith(parent, name, KEY_READ);
}

LONG RegKey::OpenForWriting(HKEY parent, const char* name) {
    return OpenWith(parent, name, KEY_WRITE);
}

LONG RegKey::OpenWith(HKEY parent, const char* name, REGSAM access) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(parent, name, 0, access, &opened);
    return Hold(status, opened);
}

LONG RegKey::Create(HKEY parent, const char* name) {
    HKEY created = nullptr;
    const LONG status = RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_READ | KEY_WRITE, nullptr, &created, nullptr);
    return Hold(status, created);
}

LONG RegKey::Hold(LONG status, HKEY key) {
    if (status == ERROR_SUCCESS) {
        Close();
        key_ = key;
    }
    return status;
}

LONG RegKey::Close() {
    if (key_ == nullptr) {
        return ERROR_SUCCESS;
    }
    LONG status = RegCloseKey(key_);
    key_ = nullptr;
    return status;
}

HKEY RegKey::Detach() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
}

LONG RegKey::QueryValue(const wchar_t* name, DWORD* type, BYTE* data, DWORD* size) const {
    return RegQueryValueExW(key_, name, nullptr, type, data, size);
}

LONG RegKey::SetValue(const char* name, DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG RegKey::SetText(const char* name, const char* text) {
    return SetValue(name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

LONG RegKey::EnumKey(DWORD index, wchar_t* name, DWORD* nameSize) const {
    return RegEnumKeyExW(key_, index, name, nameSize, nullptr, nullptr, nullptr, nullptr);
}

LONG RegKey::EnumValue(DWORD index, wchar_t* name, DWORD* nameSize, DWORD* type, BYTE* data,
                       DWORD* dataSize) const {
    return RegEnumValueW(key_, index, name, nameSize, nullptr, type, data, dataSize);
}

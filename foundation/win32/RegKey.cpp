#include "win32/RegKey.h"

#include <cstring>
#include <string>
#include <string_view>

#include "win32/WideText.h"

namespace {

// A name in the system's code page as the W functions take it; null stays null (the default
// value, or the key itself).
class WideName {
public:
    explicit WideName(const char* name)
        : wide_(name != nullptr ? WideText(name, TextOrigin::kSystem) : std::wstring()),
          null_(name == nullptr) {}
    const wchar_t* Get() const { return null_ ? nullptr : wide_.c_str(); }

private:
    std::wstring wide_;
    bool null_;
};

}  // namespace

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
    const LONG status = RegOpenKeyExW(parent, WideName(name).Get(), 0, access, &opened);
    return Hold(status, opened);
}

LONG RegKey::Create(HKEY parent, const char* name) {
    HKEY created = nullptr;
    const LONG status =
        RegCreateKeyExW(parent, WideName(name).Get(), 0, nullptr, REG_OPTION_NON_VOLATILE,
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

LONG RegKey::QueryValue(const char* name, DWORD* type, BYTE* data, DWORD* size) const {
    return RegQueryValueExW(key_, WideName(name).Get(), nullptr, type, data, size);
}

LONG RegKey::SetText(const char* name, const char* text) {
    // The terminator is converted with the text, as RegSetValueExA converts the data it is given.
    std::wstring data = WideTextAsTheAFunctions(std::string_view(text, std::strlen(text) + 1));
    const auto size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    // Data that the conversion left without a terminator stays so: the system would count a
    // terminator it finds right after the data as part of it.
    data += L'?';
    return RegSetValueExW(key_, WideName(name).Get(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()), size);
}

LONG RegKey::EnumKey(DWORD index, wchar_t* name, DWORD* nameSize) const {
    return RegEnumKeyExW(key_, index, name, nameSize, nullptr, nullptr, nullptr, nullptr);
}

LONG RegKey::EnumValue(DWORD index, wchar_t* name, DWORD* nameSize, DWORD* type, BYTE* data,
                       DWORD* dataSize) const {
    return RegEnumValueW(key_, index, name, nameSize, nullptr, type, data, dataSize);
}

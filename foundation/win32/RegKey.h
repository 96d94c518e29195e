#pragma once

#include <windows.h>

// An open registry key, closed when the object goes. Every call returns the LONG status of the
// system call behind it (ERROR_SUCCESS on success); the comments say what a failure leaves alone.
// A key opened only to be read asks for read access alone, so that a key the user may read but
// not write (copied from another account, restricted by an administrator) still opens.
// Only the W functions are called. Names and texts given as narrow texts are in the system's code
// page, as the game's A functions pass them, and WideText converts them as those functions would:
// what is stored is what the A functions would have stored.
class RegKey {
public:
    RegKey() = default;
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : key_(other.Detach()) {}
    RegKey& operator=(RegKey&& other) noexcept;
    ~RegKey() { Close(); }

    // Opens the existing subkey name of parent for reading. On failure the key held before
    // stays held.
    LONG Open(HKEY parent, const char* name);
    // Opens the existing subkey name of parent ("": parent itself) for writing only. On failure
    // the key held before stays held.
    LONG OpenForWriting(HKEY parent, const char* name);
    // Opens the subkey name of parent for reading and writing, creating it (non-volatile) when
    // missing. On failure the key held before stays held.
    LONG Create(HKEY parent, const char* name);
    // Closes the key held, if any; afterwards nothing is held, whatever the status.
    LONG Close();

    bool IsOpen() const { return key_ != nullptr; }
    HKEY Handle() const { return key_; }
    // Gives up ownership: the caller closes the returned key.
    HKEY Detach();

    // Reads the type and data of value name (null or "" for the default value). *size is the
    // buffer size on entry and the data size on return, in bytes; data may be null to ask for
    // type and size only. On failure *type and data are left as the system leaves them
    // (unspecified). Data is read in UTF-16: the A functions would change characters that the
    // code page lacks, and the caller could not tell (ExactNarrowText can).
    LONG QueryValue(const char* name, DWORD* type, BYTE* data, DWORD* size) const;
    // Writes text as a REG_SZ value, its terminator included. On failure the stored value is
    // unchanged.
    LONG SetText(const char* name, const char* text);

    // Name of the subkey at index, in UTF-16 as for QueryValue; *nameSize is the buffer size on
    // entry (terminator included) and the name length on return, in UTF-16 characters.
    // ERROR_NO_MORE_ITEMS past the last subkey, ERROR_MORE_DATA when the name does not fit; the
    // buffer is then unspecified.
    LONG EnumKey(DWORD index, wchar_t* name, DWORD* nameSize) const;
    // Name, type and data of the value at index; sizes as for EnumKey (name) and QueryValue
    // (data). ERROR_MORE_DATA when the name or the data does not fit; the buffers are then
    // unspecified.
    LONG EnumValue(DWORD index, wchar_t* name, DWORD* nameSize, DWORD* type, BYTE* data,
                   DWORD* dataSize) const;

private:
    LONG OpenWith(HKEY parent, const char* name, REGSAM access);
    // Holds key, closing the one held before, when status is ERROR_SUCCESS; returns status.
    LONG Hold(LONG status, HKEY key);

    HKEY key_ = nullptr;
};

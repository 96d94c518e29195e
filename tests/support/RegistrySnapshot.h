// Everything below a registry key as the registry itself holds it: every subkey, and every
// value's name, type and data bytes, read with the W functions so that no code-page conversion
// stands between the test and the stored bytes.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "Cp1252.h"

struct StoredValue {
    DWORD type = REG_NONE;
    std::string bytes;  // the data exactly as stored (UTF-16 for the string types)

    bool operator==(const StoredValue&) const = default;
};

// Values of one key by name; the empty name is the key's default value.
using StoredValues = std::map<std::wstring, StoredValue>;
// Every key by its path below the snapshot's key ("" the key itself, "Screen", "Deep\L001").
using Snapshot = std::map<std::wstring, StoredValues>;
// Every value by its path in Windows-1252: "Language" for a value of the key itself,
// "Screen\Width" for one of a subkey, "Screen\" for a subkey's default value.
using ValuesByPath = std::map<std::string, StoredValue>;

// The key path below root and everything in it; empty when the key does not exist.
Snapshot TakeSnapshot(HKEY root, const std::wstring& path);
ValuesByPath ByPath(const Snapshot& snapshot);

// The value that a writer of text stores (REG_SZ, or REG_EXPAND_SZ, REG_MULTI_SZ): the
// Windows-1252 text as UTF-16 and its terminator.
StoredValue StoredSz(const std::string& text, DWORD type = REG_SZ);
// The text of string data (UTF-16) up to its first terminator, in Windows-1252.
std::string TextOf(const StoredValue& value);

// A readable form of a registry name for failure messages: non-ASCII as \u escapes, long names
// shortened with their length.
std::string Printable(const std::wstring& name);

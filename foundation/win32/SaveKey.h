#pragma once

#include <windows.h>

#include "win32/RegKey.h"

// A key as the registry form's Save meets it: opened for reading, with the access Load uses, so
// that what is stored can be compared with what would be written; opened for writing only once
// something in it must be written. A key that a locked-down machine or another account keeps
// read-only is therefore no failure as long as nothing in it changes.
class SaveKey {
public:
    // Opens the existing key path below root; when it is missing, creates it.
    LONG OpenLocation(HKEY root, const char* path);
    // Opens the existing subkey name of parent; when it is missing, creates it, which writes to
    // parent.
    LONG OpenSubkey(SaveKey& parent, const char* name);

    // The key open for reading.
    const RegKey& Key() const { return read_; }
    // Whether this Save created the key: nothing stored in it can be compared.
    bool IsNew() const { return isNew_; }

    // Writes text as the REG_SZ value name (null: the default value).
    LONG SetText(const char* name, const char* text);

private:
    LONG Create(HKEY parent, const char* name);
    // The key open for writing, opened on first use; null with *status set when it can't be.
    RegKey* Writer(LONG* status);

    RegKey read_;   // read access; read and write for a key this Save created
    RegKey write_;  // write access, once needed
    bool isNew_ = false;
};

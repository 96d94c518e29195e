#pragma once

#include <windows.h>

#include <cstddef>

// The bytes of one resource of a loaded module. Resources stay mapped as long as the module is
// loaded, so there is nothing to release and pointers into them stay valid.
struct ModuleResource {
    const void* data = nullptr;
    size_t size = 0;

    explicit operator bool() const { return data != nullptr; }
};

// The resource of the given id and type; empty when the module has none.
inline ModuleResource FindModuleResource(HMODULE module, int id, int type) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded == nullptr ? nullptr : LockResource(loaded);
    if (data == nullptr) {
        return {};
    }
    return {data, SizeofResource(module, found)};
}

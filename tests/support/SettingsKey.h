// The game's settings key HKCU\Software\Harnwick\Krumbel below the vendor's key: set up by the
// tests with the plain ADVAPI32 calls and read back as a snapshot, so that the code under test
// never checks itself.
#pragma once

#include "RegistrySnapshot.h"
#include "TestKey.h"

inline const TestKey kVendorKey("Software\\Harnwick");
inline const TestKey kSettingsKey(kVendorKey.Sub("Krumbel"));

// Everything stored below the settings key.
inline ValuesByPath StoredSettings() {
    return ByPath(TakeSnapshot(HKEY_CURRENT_USER, Widen(kSettingsKey.Path())));
}

// Stores text as the REG_SZ value at path ("Language", "Screen\Width") below the settings key.
inline LONG StoreSetting(const std::string& path, const std::string& text) {
    const size_t split = path.find_last_of('\\');
    const std::string group = split == std::string::npos ? "" : path.substr(0, split);
    return kSettingsKey.SetText(group, path.substr(split + 1).c_str(), text);
}

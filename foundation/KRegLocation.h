// Location texts of the registry form of the configuration tree: "HKCU:" or "HKLM:" followed by a
// key path with "/" or "\" separators, such as "HKCU:Software/Harnwick/Krumbel". Plain text
// rules, kept apart from the registry calls so that they are checked on every build.
#pragma once

#include "KStr.h"

// Where the game and both configuration programs keep their settings.
inline constexpr char kSettingsLocation[] = "HKCU:Software/Harnwick/Krumbel";

enum class KRegRoot {
    None,          // not a registry location: the text is a file path
    CurrentUser,   // "HKCU:"
    LocalMachine,  // "HKLM:"
};

struct KRegLocation {
    KRegRoot root = KRegRoot::None;
    KStr keyPath;  // the rest of the text with every "/" turned into "\"; empty for None
};

// The root named by the first five characters of where, compared exactly (case-sensitively);
// None for any other beginning, a null pointer included.
KRegRoot RegRootOf(const char* where);

// Splits where into its root and its key path.
KRegLocation ParseRegLocation(const char* where);

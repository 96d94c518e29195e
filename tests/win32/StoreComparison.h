// Compares the settings key before and after a program stored its settings: the program's own
// values must hold what is expected of them, and everything else must be what it was.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/RegistrySnapshot.h"

// A value by its key path and name, as in a Snapshot.
using ValuePath = std::pair<std::wstring, std::wstring>;
// The program's own values and what each must hold after the run.
using OwnValues = std::map<ValuePath, StoredValue>;

// One line per difference that breaks the rules:
// - every key that was there is still there, and no key appears that wasn't;
// - every own value holds exactly what is expected;
// - every other value is what it was: its type and bytes exactly;
// - no other value appears.
std::vector<std::string> Differences(const Snapshot& before, const Snapshot& after,
                                     const OwnValues& own);

// The value at path; null when there is none.
const StoredValue* FindValue(const Snapshot& snapshot, const ValuePath& path);
// "key : name" for messages.
std::string Describe(const ValuePath& path);

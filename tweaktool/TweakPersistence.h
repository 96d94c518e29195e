// The tweak parameters in the game's settings: each is a value named after the parameter in the
// key of its group ("Performance" or "Misc") below the settings root, stored as number text.
// Every operation loads the whole tree below the root afresh, so a store keeps the settings of
// the game and of the start-options program. Failures are silent: a value that can't be read
// reads as the parameter's default, as the game takes it.
#pragma once

#include "KCfgTree.h"
#include "KRegLocation.h"
#include "TweakParameter.h"

// Sets current and loaded of every record from tree and clears its mark. A missing value reads
// as the parameter's default, which the game then uses, and is added to the tree in memory only;
// numbers are truncated toward zero and saturate at the 32-bit limits; nothing is clamped to the
// parameter's range.
void TakeParametersFrom(KCfgTree& tree, TweakParameterTable& table);
// Sets in tree, as number text, the current of every marked record, creating missing groups and
// values. The values of the others stay as they are: a stored text exactly as it was written
// ("1234567" would come back as "1.23457e+06"), a missing value missing.
void PutParametersInto(KCfgTree& tree, const TweakParameterTable& table);

// TakeParametersFrom a tree loaded from location; writes nothing there.
void ReadParameters(TweakParameterTable& table, const char* location = kSettingsLocation);
// Stores the marked records' values at location as PutParametersInto does, keeping everything
// else stored there, then reads all values back, so that loaded shows what the store left behind
// and nothing is marked any more.
void WriteParameters(TweakParameterTable& table, const char* location = kSettingsLocation);

// The tweak parameters in the game's settings: each is a value named after the parameter in the
// key of its group ("Performance" or "Misc") below the settings root, stored as number text.
// Every operation loads the whole tree below the root afresh, so a store keeps the settings of
// the game and of the start-options program. Failures are silent: unreadable settings read as 0.
#pragma once

#include "KCfgTree.h"
#include "KRegLocation.h"
#include "TweakParameter.h"

// Sets current, loaded and stored of every record from tree. A missing value reads as 0 (not
// the default) and is added to the tree in memory only; numbers are truncated toward zero and
// saturate at the 32-bit limits; nothing is clamped to the parameter's range.
void TakeParametersFrom(KCfgTree& tree, TweakParameterTable& table);
// Sets in tree, as number text, the current of every record that was stored or differs from
// loaded, creating missing groups and values. A value that was missing and is unchanged stays
// missing, so that the game keeps its own default rather than the 0 shown in its place.
void PutParametersInto(KCfgTree& tree, const TweakParameterTable& table);

// TakeParametersFrom a tree loaded from location; writes nothing there.
void ReadParameters(TweakParameterTable& table, const char* location = kSettingsLocation);
// Stores the records' values at location as PutParametersInto does, keeping everything else
// stored there, then reads all values back, so that loaded shows what the store left behind.
void WriteParameters(TweakParameterTable& table, const char* location = kSettingsLocation);

// Registry form of the configuration tree: the root stands for the key named by a location text
// ("HKCU:" or "HKLM:" followed by a key path with "/" or "\" separators). KCfgTree::Load and
// KCfgTree::Save hand such locations to these functions.
#pragma once

class KCfgNode;

// Reads the key named by where into root, adding to what root already holds; read access is
// enough. False when the key can't be opened; root is then unchanged.
bool LoadRegistry(KCfgNode& root, const char* where);

// Stores root and its subtree into the key named by where, creating the key when missing, and
// writes only what differs from what is stored there. False when the key can't be opened or
// created (nothing is written then), or when a key or value below it that had to be created or
// written could not be (the others are written all the same).
bool SaveRegistry(const KCfgNode& root, const char* where);

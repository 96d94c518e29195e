// Binary form of a configuration tree: each node in pre-order as name length (1 byte), name,
// value length (1 byte), value, child count (2 bytes, little-endian), then its children. Names
// and values carry no terminator.
#pragma once

#include <cstdio>

class KCfgNode;

// Whether the form holds root's tree: names and values of at most 255 bytes, at most 65,535
// children per node, no node deeper than kCfgMaxDepth.
bool CfgBinaryFits(const KCfgNode& root);

// Writes root and its subtree. False when the stream reports an error.
bool WriteCfgBinary(FILE* f, const KCfgNode& root);

// Reads one tree that must fill f exactly; the caller owns the result. Null for a truncated
// file, trailing bytes, a zero byte inside a name or value, nesting deeper than kCfgMaxDepth,
// or a read error.
KCfgNode* ReadCfgBinary(FILE* f);

// Text form of a configuration tree, one node per line:
//
//     Root {
//     	Screen { 'default value'
//     		Width = '640'
//     	}
//     	Language = '1'
//     }
//
// A node with children opens a list with "{" and a line "}" closes it; a leaf uses "=". Values
// are written between quotes (so leading and trailing spaces and quotes survive), empty values
// not at all; one tab of indentation per level. Names must not be empty, hold spaces or begin
// with a tab or "}", and neither names nor values may hold line breaks or CTRL+Z, to be read
// back as written.
#pragma once

#include <cstdio>

class KCfgNode;

// Longest line, line end not counted, that reading takes.
constexpr int kCfgTextLineChars = 511;

// Whether reading gives root back from its text form: every name and value can be read back as
// it is, every line fits kCfgTextLineChars and no node lies deeper than kCfgMaxDepth.
bool CfgTextFits(const KCfgNode& root);

// Writes root and its subtree. False when the stream reports an error.
bool WriteCfgText(FILE* f, const KCfgNode& root);

// Reads one node with its subtree from f; the caller owns the result. Null when f holds no node,
// a line is longer than kCfgTextLineChars, lists nest deeper than kCfgMaxDepth, or reading fails.
KCfgNode* ReadCfgText(FILE* f);

// Limits that the text and binary forms of a configuration tree share.
#pragma once

// Deepest level below the root that the file forms write and read. Reading refuses deeper
// nesting, so that a hostile file can't build a tree whose destruction overflows the stack.
constexpr int kCfgMaxDepth = 512;

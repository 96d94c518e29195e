// Path resolution: "/"- or "\"-separated paths below a root, created on demand.
#pragma once

#include "KStr.h"

class KCfgNode;

// Longest path text and most segments that resolution follows (see KCfgPath.cpp).
constexpr int kCfgPathChars = 1023;
constexpr int kCfgPathSegments = 32;

// The node at path below root; missing nodes are created with empty values. Never returns root
// itself: the empty path is one empty segment.
KCfgNode* ResolveCfgPath(KCfgNode& root, const KStr& path);

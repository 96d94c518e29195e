#include "KCfgPath.h"

#include <cstring>

#include "KCfgNode.h"

namespace {

KCfgNode* ChildOrNew(KCfgNode* node, const char* name) {
    int i = node->FindChild(name);
    if (i >= 0) {
        return node->Child(i);
    }
    KCfgNode* child = new KCfgNode(name);
    node->AppendChild(child);
    return child;
}

}  // namespace

// Paths beyond the limits are cut, never rejected (resolution can't fail): only the first
// kCfgPathChars characters are looked at, and resolution stops after kCfgPathSegments segments,
// returning the node of the last segment followed. Empty segments are kept: "A//B" has three.
KCfgNode* ResolveCfgPath(KCfgNode& root, const KStr& path) {
    char work[kCfgPathChars + 1];
    int length = path.Length() < kCfgPathChars ? path.Length() : kCfgPathChars;
    memcpy(work, path.Text(), static_cast<size_t>(length));
    work[length] = '\0';

    KCfgNode* node = &root;
    char* segment = work;
    for (int followed = 1;; ++followed) {
        char* end = segment + strcspn(segment, "/\\");
        bool last = *end == '\0' || followed == kCfgPathSegments;
        *end = '\0';
        node = ChildOrNew(node, segment);
        if (last) {
            return node;
        }
        segment = end + 1;
    }
}

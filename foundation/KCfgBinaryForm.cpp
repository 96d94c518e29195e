#include "KCfgBinaryForm.h"

#include <cstring>
#include <memory>

#include "KCfgLimits.h"
#include "KCfgNode.h"

namespace {

constexpr int kMaxTextBytes = 255;
constexpr int kMaxChildren = 65535;

void WriteText(FILE* f, const KStr& text) {
    putc(text.Length(), f);
    fwrite(text.Text(), 1, static_cast<size_t>(text.Length()), f);
}

void WriteNode(FILE* f, const KCfgNode& node) {
    WriteText(f, node.Name());
    WriteText(f, node.Value());
    putc(node.ChildCount() & 0xFF, f);
    putc(node.ChildCount() >> 8, f);
    for (int i = 0; i < node.ChildCount(); ++i) {
        WriteNode(f, *node.Child(i));
    }
}

bool NodeFits(const KCfgNode& node, int depth) {
    if (depth > kCfgMaxDepth || node.Name().Length() > kMaxTextBytes ||
        node.Value().Length() > kMaxTextBytes || node.ChildCount() > kMaxChildren) {
        return false;
    }
    for (int i = 0; i < node.ChildCount(); ++i) {
        if (!NodeFits(*node.Child(i), depth + 1)) {
            return false;
        }
    }
    return true;
}

// A length byte and that many bytes. A zero byte inside can't come from a string and would cut
// the text short, so it marks the file as corrupt.
bool ReadText(FILE* f, KStr& out) {
    int length = getc(f);
    if (length == EOF) {
        return false;
    }
    char buf[kMaxTextBytes + 1];
    if (fread(buf, 1, static_cast<size_t>(length), f) != static_cast<size_t>(length)) {
        return false;
    }
    buf[length] = '\0';
    if (strlen(buf) != static_cast<size_t>(length)) {
        return false;
    }
    out = buf;
    return true;
}

// Children are read one at a time, never reserved from the stored count, so a corrupt count
// costs no more than the bytes that are really there.
KCfgNode* ReadNode(FILE* f, int depth) {
    if (depth > kCfgMaxDepth) {
        return nullptr;
    }
    KStr name;
    KStr value;
    if (!ReadText(f, name) || !ReadText(f, value)) {
        return nullptr;
    }
    int low = getc(f);
    int high = getc(f);
    if (low == EOF || high == EOF) {
        return nullptr;
    }
    std::unique_ptr<KCfgNode> node(new KCfgNode(name, value));
    for (int count = low | high << 8; count > 0; --count) {
        KCfgNode* child = ReadNode(f, depth + 1);
        if (child == nullptr) {
            return nullptr;
        }
        node->AppendChild(child);
    }
    return node.release();
}

}  // namespace

bool CfgBinaryFits(const KCfgNode& root) {
    return NodeFits(root, 0);
}

bool WriteCfgBinary(FILE* f, const KCfgNode& root) {
    WriteNode(f, root);
    return ferror(f) == 0;
}

KCfgNode* ReadCfgBinary(FILE* f) {
    std::unique_ptr<KCfgNode> root(ReadNode(f, 0));
    if (root == nullptr || getc(f) != EOF || ferror(f) != 0) {
        return nullptr;
    }
    return root.release();
}

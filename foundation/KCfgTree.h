// KCfgTree: a configuration tree, the in-memory form of the settings. It owns its root node
// and with it every node. Values are text; nodes are reached by "/"- or "\"-separated paths,
// created on demand.
//
// A tree is read from and stored to the registry (locations beginning with "HKCU:" or "HKLM:"),
// a text file (any other location) or a binary file. A failed read leaves the tree as it was.
#pragma once

#include <cstdio>

#include "KCfgNode.h"
#include "KStr.h"

class KCfgTree {
public:
    KCfgTree();  // a root named "Root" with an empty value and no children
    ~KCfgTree();
    KCfgTree(const KCfgTree&) = delete;
    KCfgTree& operator=(const KCfgTree&) = delete;

    // Registry locations add the key's contents to the tree; a text file replaces the root.
    // False when the key or file can't be opened or the file can't be read; the tree is then
    // unchanged.
    bool Load(const char* where);
    // Registry locations are written in place; a text file is replaced. False when the key or
    // file can't be opened or written, or the tree doesn't fit the text form (KCfgTextForm.h);
    // no partial text file is left behind.
    bool Save(const char* where) const;

    KCfgNode* Root() const { return root_; }
    // Path of the text file last loaded; empty otherwise.
    const KStr& Source() const { return source_; }

    // The node at path, created on demand (KCfgPath.h); never the root itself.
    KCfgNode* NodeAt(const KStr& path);
    // The value of NodeAt(path), to read or assign in place.
    KStr& ValueAt(const KStr& path);

    // Binary form (KCfgBinaryForm.h). Saving refuses a tree the form can't hold and leaves no
    // partial file; loading a file that isn't one whole tree fails and keeps the old root.
    bool SaveBinary(const char* path) const;
    bool LoadBinary(const char* path);

    // The tree in text form, for diagnostics; no limits are checked.
    void Dump(FILE* f) const;
    void Dump() const;

private:
    void ReplaceRoot(KCfgNode* root);

    KCfgNode* root_;
    KStr source_;
};

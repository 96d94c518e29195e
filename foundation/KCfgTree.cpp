#include "KCfgTree.h"

#include "KCfgBinaryForm.h"
#include "KCfgPath.h"
#include "KCfgRegistry.h"
#include "KCfgTextForm.h"
#include "KRegLocation.h"
#include "StdioFile.h"

namespace {

bool IsRegistryLocation(const char* where) {
    return RegRootOf(where) != KRegRoot::None;
}

// Writes a whole file or none: the contents are checked before the file is opened, and a file
// whose writing failed is removed rather than left half written.
bool WriteWholeFile(const char* path, const char* mode, const KCfgNode& root,
                    bool (*fits)(const KCfgNode&), bool (*write)(FILE*, const KCfgNode&)) {
    if (path == nullptr || !fits(root)) {
        return false;
    }
    StdioFile file(path, mode);
    if (!file.IsOpen()) {
        return false;
    }
    bool written = write(file.Get(), root);
    if (!file.Close() || !written) {
        remove(path);
        return false;
    }
    return true;
}

// The root read from a whole file by read, or null when the file can't be opened or read.
KCfgNode* ReadWholeFile(const char* path, const char* mode, KCfgNode* (*read)(FILE*)) {
    if (path == nullptr) {
        return nullptr;
    }
    StdioFile file(path, mode);
    return file.IsOpen() ? read(file.Get()) : nullptr;
}

}  // namespace

KCfgTree::KCfgTree() : root_(new KCfgNode("Root")) {}

KCfgTree::~KCfgTree() {
    delete root_;
}

bool KCfgTree::Load(const char* where) {
    if (IsRegistryLocation(where)) {
        return LoadRegistry(*root_, where);
    }
    KCfgNode* read = ReadWholeFile(where, "r", ReadCfgText);
    if (read == nullptr) {
        return false;
    }
    ReplaceRoot(read);
    source_ = where;
    return true;
}

bool KCfgTree::Save(const char* where) const {
    if (IsRegistryLocation(where)) {
        return SaveRegistry(*root_, where);
    }
    return WriteWholeFile(where, "w", *root_, CfgTextFits, WriteCfgText);
}

KCfgNode* KCfgTree::NodeAt(const KStr& path) {
    return ResolveCfgPath(*root_, path);
}

KStr& KCfgTree::ValueAt(const KStr& path) {
    return NodeAt(path)->Value();
}

bool KCfgTree::SaveBinary(const char* path) const {
    return WriteWholeFile(path, "wb", *root_, CfgBinaryFits, WriteCfgBinary);
}

bool KCfgTree::LoadBinary(const char* path) {
    KCfgNode* read = ReadWholeFile(path, "rb", ReadCfgBinary);
    if (read == nullptr) {
        return false;
    }
    ReplaceRoot(read);
    return true;
}

void KCfgTree::Dump(FILE* f) const {
    WriteCfgText(f, *root_);
}

void KCfgTree::Dump() const {
    Dump(stdout);
}

void KCfgTree::ReplaceRoot(KCfgNode* root) {
    delete root_;
    root_ = root;
}

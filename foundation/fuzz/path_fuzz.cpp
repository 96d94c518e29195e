// Fuzzes path resolution on a small tree with namesakes and empty names, against a model: the
// first kCfgPathChars characters, cut at "/" and "\" into at most kCfgPathSegments segments, each
// the first child of its name. Resolution never returns the root, creates exactly the missing
// nodes, and a second resolution finds the same node and creates nothing.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "KCfgPath.h"
#include "KCfgTree.h"

namespace {

std::vector<std::string> Segments(std::string path) {
    path.resize(std::min<size_t>(path.size(), kCfgPathChars));
    std::vector<std::string> segments(1);
    for (char c : path) {
        if (c != '/' && c != '\\') {
            segments.back() += c;
        } else if (segments.size() < kCfgPathSegments) {
            segments.emplace_back();
        } else {
            break;
        }
    }
    return segments;
}

int CountNodes(const KCfgNode& node) {
    int count = 1;
    for (int i = 0; i < node.ChildCount(); ++i) {
        count += CountNodes(*node.Child(i));
    }
    return count;
}

// Follows the segments, each to the first child of its name, as far as they exist; found says
// how many did.
const KCfgNode* Walk(const KCfgNode& root, const std::vector<std::string>& segments,
                     size_t& found) {
    const KCfgNode* node = &root;
    found = 0;
    for (const std::string& segment : segments) {
        int i = node->FindChild(segment.c_str());
        if (i < 0) {
            break;
        }
        node = node->Child(i);
        ++found;
    }
    return node;
}

// The names from below the root down to node.
std::vector<std::string> NamesDownTo(const KCfgNode* node, const KCfgNode* root) {
    std::vector<std::string> names;
    for (; node != nullptr && node != root; node = node->Parent()) {
        names.insert(names.begin(), node->Name().Text());
    }
    FUZZ_CHECK(node == root);
    return names;
}

void Populate(KCfgTree& tree) {
    for (const char* path : {"Screen/Width", "Screen/Height", "A//B", "/x", "N/1"}) {
        tree.NodeAt(path);
    }
    tree.Root()->AddFloat("N", 2);  // a namesake that lookups must pass over
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A KStr ends at a zero byte, so the path is the text before the first one.
    std::string path(reinterpret_cast<const char*>(data), size);
    path.resize(std::min(path.size(), path.find('\0')));
    const std::vector<std::string> segments = Segments(path);

    KCfgTree tree;
    Populate(tree);
    const int before = CountNodes(*tree.Root());
    size_t existing = 0;
    Walk(*tree.Root(), segments, existing);

    KCfgNode* node = tree.NodeAt(path.c_str());
    FUZZ_CHECK(node != tree.Root());
    FUZZ_CHECK(NamesDownTo(node, tree.Root()) == segments);
    FUZZ_CHECK(CountNodes(*tree.Root()) == before + static_cast<int>(segments.size() - existing));
    size_t found = 0;
    FUZZ_CHECK(Walk(*tree.Root(), segments, found) == node && found == segments.size());

    const int after = CountNodes(*tree.Root());
    FUZZ_CHECK(tree.NodeAt(path.c_str()) == node);
    std::string swapped = path;
    for (char& c : swapped) {
        c = c == '/' ? '\\' : (c == '\\' ? '/' : c);
    }
    FUZZ_CHECK(tree.NodeAt(swapped.c_str()) == node);
    FUZZ_CHECK(&tree.ValueAt(path.c_str()) == &node->Value());
    FUZZ_CHECK(CountNodes(*tree.Root()) == after);
    FUZZ_CHECK(ParentsAreConsistent(*tree.Root()));
    return 0;
}

// Fuzzes the text form reader: any bytes must read as a tree or as a refusal, never crash, and a
// tree it reads that the form can hold must come back unchanged through the writer.
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "KCfgLimits.h"
#include "KCfgTextForm.h"

namespace {

// Depth of the deepest node below node (0 for a leaf).
int Depth(const KCfgNode& node) {
    int deepest = 0;
    for (int i = 0; i < node.ChildCount(); ++i) {
        int below = Depth(*node.Child(i)) + 1;
        deepest = below > deepest ? below : deepest;
    }
    return deepest;
}

// What the reader can produce: a name is one token that doesn't open with "}", a value holds
// no line end.
bool ReadableNames(const KCfgNode& node) {
    const KStr& name = node.Name();
    if (name.Length() == 0 || name.GetAt(0) == '}' || name.Find(" ") >= 0 || name.Find("\n") >= 0 ||
        node.Value().Find("\n") >= 0) {
        return false;
    }
    for (int i = 0; i < node.ChildCount(); ++i) {
        if (!ReadableNames(*node.Child(i))) {
            return false;
        }
    }
    return true;
}

std::unique_ptr<KCfgNode> Read(const uint8_t* data, size_t size) {
    InputStream in(data, size, "r");
    return std::unique_ptr<KCfgNode>(ReadCfgText(in.Get()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<KCfgNode> root = Read(data, size);
    if (root == nullptr) {
        return 0;
    }
    FUZZ_CHECK(root->Parent() == nullptr);
    FUZZ_CHECK(ParentsAreConsistent(*root));
    FUZZ_CHECK(Depth(*root) <= kCfgMaxDepth);
    FUZZ_CHECK(ReadableNames(*root));
    if (!CfgTextFits(*root)) {
        return 0;  // a value that grew by its quotes past the line limit: Save refuses it
    }
    std::string text = Written([&](FILE* f) { FUZZ_CHECK(WriteCfgText(f, *root)); });
    std::unique_ptr<KCfgNode> again =
        Read(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    FUZZ_CHECK(again != nullptr);
    FUZZ_CHECK(Describe(*again) == Describe(*root));
    return 0;
}

// Fuzzes the text form: any bytes must read as a tree or as a refusal, never crash; a tree the
// reader gives that the form can hold must come back unchanged through the writer, and so must
// any tree of arbitrary names and values that the form accepts (what it refuses, Save refuses
// to write).
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "KCfgBinaryForm.h"
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

// Whether root, which the form can hold, comes back unchanged through the writer and reader.
bool ReadsBack(const KCfgNode& root) {
    std::string text = Written([&](FILE* f) { FUZZ_CHECK(WriteCfgText(f, root)); });
    std::unique_ptr<KCfgNode> again =
        Read(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return again != nullptr && Describe(*again) == Describe(root);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The same bytes in the binary form: a tree of arbitrary names and values. Every tree that
    // Save writes as text must read back as itself.
    InputStream binary(data, size, "rb");
    std::unique_ptr<KCfgNode> built(ReadCfgBinary(binary.Get()));
    FUZZ_CHECK(built == nullptr || !CfgTextFits(*built) || ReadsBack(*built));
    std::unique_ptr<KCfgNode> root = Read(data, size);
    if (root == nullptr) {
        return 0;
    }
    FUZZ_CHECK(root->Parent() == nullptr);
    FUZZ_CHECK(ParentsAreConsistent(*root));
    FUZZ_CHECK(Depth(*root) <= kCfgMaxDepth);
    FUZZ_CHECK(ReadableNames(*root));
    // A value that grew by its quotes past the line limit doesn't fit: Save refuses it.
    FUZZ_CHECK(!CfgTextFits(*root) || ReadsBack(*root));
    return 0;
}

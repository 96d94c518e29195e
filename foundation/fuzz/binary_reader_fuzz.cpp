// Fuzzes the binary form reader: any bytes must read as a tree or as a refusal, and a tree it
// accepts must be exactly what the writer makes of it, byte for byte (the reader takes only
// whole files, and the form has one way to write each tree).
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "KCfgBinaryForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<KCfgNode> root;
    {
        InputStream in(data, size, "rb");
        root.reset(ReadCfgBinary(in.Get()));
    }
    if (root == nullptr) {
        return 0;
    }
    FUZZ_CHECK(root->Parent() == nullptr);
    FUZZ_CHECK(ParentsAreConsistent(*root));
    FUZZ_CHECK(CfgBinaryFits(*root));
    std::string bytes = Written([&](FILE* f) { FUZZ_CHECK(WriteCfgBinary(f, *root)); });
    FUZZ_CHECK(bytes == std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}

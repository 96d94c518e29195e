// Helpers shared by the fuzzers: streams over memory, a check that stops the run with a message,
// and the tree helpers of the unit tests (Describe).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../tests/CfgTestSupport.h"
#include "KCfgNode.h"

// Stops the run when a property doesn't hold; libFuzzer keeps the input that did it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// A read-only stream over the fuzzer's bytes (which it must not change, so they are copied).
class InputStream {
public:
    InputStream(const uint8_t* data, size_t size, const char* mode)
        : bytes_(reinterpret_cast<const char*>(data), size),
          f_(fmemopen(bytes_.data(), bytes_.size(), mode)) {
        FUZZ_CHECK(f_ != nullptr);
    }
    ~InputStream() { std::fclose(f_); }
    InputStream(const InputStream&) = delete;
    InputStream& operator=(const InputStream&) = delete;

    FILE* Get() const { return f_; }

private:
    std::string bytes_;
    FILE* f_;
};

// What write puts into a stream, as bytes.
template <typename Write>
std::string Written(Write write) {
    char* data = nullptr;
    size_t size = 0;
    FILE* f = open_memstream(&data, &size);
    FUZZ_CHECK(f != nullptr);
    write(f);
    FUZZ_CHECK(std::fclose(f) == 0);
    std::string bytes(data, size);
    std::free(data);
    return bytes;
}

// Every child points back at its parent.
inline bool ParentsAreConsistent(const KCfgNode& node) {
    for (int i = 0; i < node.ChildCount(); ++i) {
        const KCfgNode* child = node.Child(i);
        if (child->Parent() != &node || !ParentsAreConsistent(*child)) {
            return false;
        }
    }
    return true;
}

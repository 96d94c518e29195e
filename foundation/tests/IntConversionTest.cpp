#include "IntConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(TruncateToInt32, TruncatesTowardZeroAndSaturates) {
    struct Case {
        double value;
        int32_t expected;
    } cases[] = {
        {0.0, 0},
        {2.9, 2},
        {-2.9, -2},
        {-0.5, 0},
        {1e10, kMax},
        {-1e10, kMin},
        {2147483647.9, kMax},
        {2147483646.5, 2147483646},
        {-2147483648.5, kMin},
        {-2147483647.5, -2147483647},
        {std::numeric_limits<double>::infinity(), kMax},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TruncateToInt32(c.value), c.expected) << c.value;
    }
}

TEST(TextToInt32, ReadsLikeAtoiButSaturates) {
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"42", 42},
        {"  \t-17x", -17},
        {"+8", 8},
        {"12.9", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"--5", 0},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999999", kMax},
        {"-00000000000000000000012", -12},
        {nullptr, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToInt32(c.text), c.expected) << (c.text ? c.text : "(null)");
    }
}

}  // namespace

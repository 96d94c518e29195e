// Fuzzes the number texts: a double stored with SetFloat reads back through GetFloat within the
// six significant digits of "%g" (exactly for the single-precision limits and whole numbers below
// a million; infinities and NaN, written "inf" and "nan", hold no decimal number and read as 0),
// the node's own "%f" value reads back within its six decimals, no text reads as NaN, and no text
// or double turns into undefined behaviour on its way to an int32.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "IntConversion.h"
#include "KCfgNode.h"

namespace {

// The double whose bytes open the input (missing bytes read as zero).
double LeadingDouble(const uint8_t* data, size_t size) {
    unsigned char bytes[sizeof(double)] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

// Whether back is what v's text may read as: its own value rounded to the given relative
// precision, give or take the spacing of the smallest subnormal doubles.
bool Near(double back, double v, double relative, double absolute) {
    if (std::isnan(v)) {
        return std::isnan(back);
    }
    if (std::isinf(v)) {
        return back == v;
    }
    return std::fabs(back - v) <= relative * std::fabs(v) + absolute + DBL_TRUE_MIN;
}

void CheckStoredNumber(double v) {
    KCfgNode node("Node");
    node.SetFloat("Value", v);
    const double back = node.GetFloat("Value", 0);
    FUZZ_CHECK(node.ChildCount() == 1);
    if (std::isinf(v) || std::isnan(v)) {
        FUZZ_CHECK(back == 0);
    } else if (v == static_cast<double>(FLT_MIN) || v == static_cast<double>(FLT_MAX)) {
        FUZZ_CHECK(back == v);
    } else if (std::trunc(v) == v && std::fabs(v) < 1e6) {
        FUZZ_CHECK(back == v);
    } else {
        // "%g" rounds to six significant digits: half a unit of the sixth.
        FUZZ_CHECK(Near(back, v, 5e-6 * (1 + 1e-9), 0));
    }

    // Its own value is written with "%f": six decimals.
    node.SetFloat("", v);
    FUZZ_CHECK(Near(std::atof(node.Value().Text()), v, DBL_EPSILON, 5e-7 * (1 + 1e-9)));
}

int32_t ExpectedTruncation(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483648.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= -2147483649.0) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(std::trunc(v));
}

// TextToInt32 reads as strtoll in base 10 does (white space, sign, digits), then saturates.
int32_t ExpectedTextValue(const char* text) {
    const long long v = std::strtoll(text, nullptr, 10);
    if (v > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const double v = LeadingDouble(data, size);
    CheckStoredNumber(v);
    FUZZ_CHECK(TruncateToInt32(v) == ExpectedTruncation(v));

    // The rest, up to a zero byte, is a stored text, read back as the programs read numbers.
    const size_t rest = size > sizeof v ? size - sizeof v : 0;
    const std::string text(reinterpret_cast<const char*>(data) + size - rest, rest);
    const double read = CfgNumberValue(KStr(text.c_str()));
    FUZZ_CHECK(!std::isnan(read));
    FUZZ_CHECK(TruncateToInt32(read) == ExpectedTruncation(read));
    FUZZ_CHECK(TextToInt32(text.c_str()) == ExpectedTextValue(text.c_str()));
    return 0;
}

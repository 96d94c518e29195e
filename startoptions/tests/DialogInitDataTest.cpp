#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DialogInitData.h"

namespace {

using Bytes = std::vector<uint8_t>;

void PutWord(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// One record as the resource compiler lays it out; count defaults to the text and its zero.
void PutRecord(Bytes& out, uint16_t id, const std::string& text, int64_t count = -1) {
    PutWord(out, id);
    PutWord(out, kDialogInitAddComboEntry);
    const uint32_t bytes = count < 0 ? static_cast<uint32_t>(text.size() + 1) : count;
    PutWord(out, bytes & 0xFFFF);
    PutWord(out, bytes >> 16);
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

std::vector<std::string> ReadAll(const Bytes& data, size_t size) {
    DialogInitReader reader(data.data(), size);
    std::vector<std::string> read;
    DialogInitEntry entry;
    while (reader.Next(entry)) {
        read.push_back(std::to_string(entry.controlId) + ":" + entry.text);
        EXPECT_EQ(entry.message, kDialogInitAddComboEntry);
    }
    EXPECT_FALSE(reader.Next(entry)) << "stays at the end";
    return read;
}
std::vector<std::string> ReadAll(const Bytes& data) {
    return ReadAll(data, data.size());
}

using Texts = std::vector<std::string>;

TEST(DialogInitData, ReadsRecordsUpToTheEndMarker) {
    Bytes data;
    PutRecord(data, 1008, "Franz\xF6sisch");  // odd lengths leave later records unaligned
    PutRecord(data, 1011, "Low");
    PutWord(data, 0);
    PutRecord(data, 1012, "after the end");
    EXPECT_EQ(ReadAll(data), (Texts{"1008:Franz\xF6sisch", "1011:Low"}));
}

TEST(DialogInitData, DataWithoutEndMarkerEndsAtItsSize) {
    Bytes data;
    PutRecord(data, 1009, "High");
    EXPECT_EQ(ReadAll(data), (Texts{"1009:High"}));
}

TEST(DialogInitData, DamagedRecordsEndTheReading) {
    Bytes good;
    PutRecord(good, 1009, "Medium");
    const struct {
        const char* what;
        int64_t count;
    } cases[] = {
        {"count beyond the data", 100},
        {"count so large it wraps", 0xFFFFFFFF},
        {"text without its zero", 3},
        {"empty count", 0},
    };
    for (const auto& c : cases) {
        Bytes data = good;
        PutRecord(data, 1011, "High", c.count);
        PutWord(data, 0);
        EXPECT_EQ(ReadAll(data), (Texts{"1009:Medium"})) << c.what;
    }
    // Cut short inside the header and inside the text.
    EXPECT_EQ(ReadAll(good, 5), Texts{});
    EXPECT_EQ(ReadAll(good, good.size() - 1), Texts{});
}

TEST(DialogInitData, EmptyData) {
    EXPECT_EQ(ReadAll(Bytes{}), Texts{});
    DialogInitReader reader(nullptr, 0);
    DialogInitEntry entry;
    EXPECT_FALSE(reader.Next(entry));
}

}  // namespace

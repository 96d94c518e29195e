#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "TweakView.h"

namespace {

class TweakViewTest : public ::testing::Test {
protected:
    TweakViewTest() { table_.BuildParameterTable(); }
    // The record of list row (row - 1 in the table).
    TweakParameter& Row(int row) { return *table_.At(row - 1); }

    TweakParameterTable table_;
};

constexpr int kDIPYieldThreshold = 3;
constexpr int kGameSaveCompression = 4;
constexpr int kMinThreadSleep = 8;
constexpr int kTexVideoMemLimit = 16;

TEST_F(TweakViewTest, RowsHoldNameBoundsCurrentAndDefaultAfterTabs) {
    Row(kDIPYieldThreshold).current = 20000;
    EXPECT_EQ(ParameterRowText(Row(kDIPYieldThreshold)),
              "DIPYieldThreshold\t1\t40000\t20000\t20000");
    Row(kMinThreadSleep).current = -7;
    EXPECT_EQ(ParameterRowText(Row(kMinThreadSleep)), "MinThreadSleep\t2\t500\t-7\t2");
    Row(1).current = INT32_MIN;
    EXPECT_EQ(ParameterRowText(Row(1)), "AnimInterpolation\t0\t1\t-2147483648\t1");
    EXPECT_STREQ(kParameterListHeader, "Name\tMin\tMax\tCurrent\tDefault");
}

TEST_F(TweakViewTest, OnlyRowsOneToTwentyStandForParameters) {
    EXPECT_EQ(ParameterAtRow(table_, -1), nullptr);
    EXPECT_EQ(ParameterAtRow(table_, 0), nullptr);  // the header
    EXPECT_EQ(ParameterAtRow(table_, 1), table_.At(0));
    EXPECT_EQ(ParameterAtRow(table_, 20), table_.At(19));
    EXPECT_EQ(ParameterAtRow(table_, 21), nullptr);
}

TEST_F(TweakViewTest, TextsOfTheSelectedParameter) {
    TweakParameter& p = Row(kDIPYieldThreshold);
    p.current = 1234;
    p.loaded = 300;
    ParameterTexts texts = TextsFor(&p);
    EXPECT_EQ(texts.current, "1234");
    EXPECT_EQ(texts.minimum, "1");
    EXPECT_EQ(texts.maximum, "40000");
    EXPECT_EQ(texts.defaultCaption, "&Default (20000)");
    EXPECT_EQ(texts.resetCaption, "&Reset (300)");
    EXPECT_EQ(texts.description,
              "DIPYieldThreshold\nYield CPU after every [DIPYieldThreshold] drawn polygons");

    ParameterTexts none = TextsFor(nullptr);
    for (const KStr* text : {&none.current, &none.minimum, &none.maximum, &none.defaultCaption,
                             &none.resetCaption, &none.description}) {
        EXPECT_EQ(*text, "");
    }
}

TEST_F(TweakViewTest, TypedTextMovesTheSliderOnlyToANumberInRange) {
    const struct {
        int row;
        const char* text;
        std::optional<int32_t> target;
    } cases[] = {
        {kTexVideoMemLimit, "500", std::nullopt},
        {kTexVideoMemLimit, "2048", 2048},
        {kTexVideoMemLimit, "1024", 1024},
        {kTexVideoMemLimit, "32769", std::nullopt},
        {kTexVideoMemLimit, " 4096kB", 4096},
        {kTexVideoMemLimit, "99999999999", std::nullopt},
        {kGameSaveCompression, "4294967301", std::nullopt},  // wrapped to 32 bits it'd be 5
        {kGameSaveCompression, "-4294967291", std::nullopt},
        {kGameSaveCompression, "", 0},  // no digits read as 0, which this range holds
        {kGameSaveCompression, "x9", 0},
        {kMinThreadSleep, "", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SliderTargetForText(&Row(c.row), c.text), c.target)
            << Row(c.row).name.Text() << " '" << c.text << "'";
    }
    EXPECT_EQ(SliderTargetForText(nullptr, "1"), std::nullopt);
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "SliderPoll.h"

namespace {

class SliderPollTest : public ::testing::Test {
protected:
    SliderPollTest() {
        table_.BuildParameterTable();
        dip_ = table_.At(2);
        tex_ = table_.At(15);
    }

    TweakParameterTable table_;
    TweakParameter* dip_ = nullptr;  // DIPYieldThreshold, 1..40000
    TweakParameter* tex_ = nullptr;  // TexVideoMemLimit, 1024..32768
    SliderPoll poll_;
};

constexpr std::optional<int32_t> kNone;

TEST_F(SliderPollTest, NothingIsTakenBeforeTheSliderShowsTheSelectedRow) {
    // A row selected without the dialog being told, before and after the first look: the slider
    // still stands where the dialog started it, then moves.
    EXPECT_EQ(poll_.Poll(dip_, 0), kNone);
    EXPECT_EQ(poll_.Poll(dip_, 1), kNone);
    EXPECT_EQ(poll_.Edited(dip_), nullptr);

    poll_.Show(dip_, 20000);
    EXPECT_EQ(poll_.Poll(dip_, 20000), kNone) << "showing the row is no move";
    EXPECT_EQ(poll_.Poll(dip_, 20001), 20001);
    EXPECT_EQ(poll_.Edited(dip_), dip_);

    // Another row selected untold: the slider's position and moves belong to the one it shows.
    EXPECT_EQ(poll_.Edited(tex_), nullptr);
    EXPECT_EQ(poll_.Poll(tex_, 4000), kNone);
    poll_.Show(tex_, 4096);
    EXPECT_EQ(poll_.Poll(tex_, 4000), 4000);

    poll_.Show(nullptr, 0);  // the header
    EXPECT_EQ(poll_.Poll(nullptr, 1), kNone);
    EXPECT_EQ(poll_.Edited(nullptr), nullptr);
}

TEST_F(SliderPollTest, OnlyAMoveIntoTheRangeIsAChoice) {
    poll_.Show(dip_, 20000);
    EXPECT_EQ(poll_.Poll(dip_, 0), kNone);
    EXPECT_EQ(poll_.Poll(dip_, 40001), kNone);
    EXPECT_EQ(poll_.Poll(dip_, 40000), 40000);
    EXPECT_EQ(poll_.Poll(dip_, 1), 1);
    EXPECT_EQ(poll_.Poll(dip_, 1), kNone) << "no move";

    poll_.Place(300);  // Default, Reset or a typed number put it there
    EXPECT_EQ(poll_.Poll(dip_, 300), kNone);
    EXPECT_EQ(poll_.Poll(dip_, 301), 301);
}

}  // namespace

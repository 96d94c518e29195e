#include <gtest/gtest.h>

#include "GrowArray.h"
#include "KStr.h"

namespace {

// Counts live instances, so the tests see every construction matched by a destruction.
struct Tracked {
    static inline int alive = 0;
    int value = 0;
    Tracked() { ++alive; }
    Tracked(const Tracked& other) : value(other.value) { ++alive; }
    Tracked& operator=(const Tracked&) = default;
    ~Tracked() { --alive; }
};

TEST(GrowArray, BlockIsTheCountRoundedUpTo16) {
    GrowArray<int> a;
    EXPECT_EQ(a.Capacity(), 0) << "an empty array holds no block";
    const int expected[][2] = {{1, 16}, {16, 16}, {17, 32}, {32, 32}, {33, 48}};
    for (const auto& [count, capacity] : expected) {
        while (a.Count() < count) {
            a.Append() = a.Count();
        }
        EXPECT_EQ(a.Capacity(), capacity) << count;
    }
    while (a.Count() > 16) {
        a.RemoveAt(a.Count() - 1);
    }
    EXPECT_EQ(a.Capacity(), 16) << "the block shrinks with the count";
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(a[i], i);
    }
    while (a.Count() > 0) {
        a.RemoveAt(0);
    }
    EXPECT_EQ(a.Capacity(), 0);
}

TEST(GrowArray, AppendGivesADefaultEntryAndRemoveKeepsOrder) {
    GrowArray<KStr> a;
    EXPECT_EQ(a.Append().Length(), 0);
    a[0] = "zero";
    a.Append() = "one";
    a.Append() = "two";
    a.RemoveAt(1);
    ASSERT_EQ(a.Count(), 2);
    EXPECT_STREQ(a[0].Text(), "zero");
    EXPECT_STREQ(a[1].Text(), "two");
}

TEST(GrowArray, EntriesSurviveReallocationAndAreDestroyedOnce) {
    {
        GrowArray<Tracked> a;
        for (int i = 0; i < 40; ++i) {
            a.Append().value = i;
        }
        EXPECT_EQ(Tracked::alive, 40);
        GrowArray<Tracked> copy = a;
        EXPECT_EQ(Tracked::alive, 80);
        a.RemoveAt(0);
        EXPECT_EQ(Tracked::alive, 79);
        EXPECT_EQ(a[0].value, 1);
        EXPECT_EQ(copy[0].value, 0) << "a copy is independent";
        GrowArray<Tracked> moved = std::move(copy);
        EXPECT_EQ(copy.Count(), 0);
        EXPECT_EQ(moved[39].value, 39);
        a.Clear();
        EXPECT_EQ(Tracked::alive, 40);
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST(GrowArray, NestedArraysAreDestroyedWithTheirOwner) {
    {
        GrowArray<GrowArray<Tracked>> outer;
        for (int i = 0; i < 20; ++i) {
            GrowArray<Tracked>& inner = outer.Append();
            inner.Append();
            inner.Append();
        }
        EXPECT_EQ(Tracked::alive, 40);
        outer.RemoveAt(5);
        EXPECT_EQ(Tracked::alive, 38);
    }
    EXPECT_EQ(Tracked::alive, 0);
}

}  // namespace

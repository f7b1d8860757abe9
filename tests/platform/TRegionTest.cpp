#include <gtest/gtest.h>

#include "platform/TRegion.h"

TEST(TRegion, UnionSubtractAndBands) {
    TRegion r(Rect(0, 0, 10, 10));
    r.Subtract(Rect(2, 2, 8, 8));
    EXPECT_FALSE(r.Contains({4, 4}));
    EXPECT_TRUE(r.Contains({1, 1}));
    EXPECT_EQ(r.BoundingBox(), Rect(0, 0, 10, 10));
    EXPECT_EQ(r.Rects().size(), 4u); // top band, two side pieces, bottom band
    r.Union(Rect(2, 2, 8, 8));
    EXPECT_EQ(r, TRegion(Rect(0, 0, 10, 10)));
    r.Intersect(Rect(5, 5, 20, 20));
    r.Offset(-5, -5);
    EXPECT_EQ(r, TRegion(Rect(0, 0, 5, 5)));
    TRegion empty(Rect(3, 3, 3, 9));
    EXPECT_TRUE(empty.IsEmpty());
}

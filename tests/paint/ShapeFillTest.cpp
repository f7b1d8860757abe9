#include "paint/ShapeFill.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

TEST(ShapeFill, RoundedCornersAreSymmetricAndZeroCornersFillTheRectangle) {
    auto b = MakeBitmap(8, 6, 0);
    FillRoundRect(b.get(), {0, 0, 8, 6}, 0, 0, 0xFFFFFF);
    EXPECT_TRUE(UntouchedOutside(*b, {}, 0xFFFFFF));
    auto c = MakeBitmap(10, 10, 0);
    FillRoundRect(c.get(), {1, 1, 9, 9}, 6, 6, 0xFFFFFF);
    EXPECT_EQ(c->Pixel(1, 1), 0);
    EXPECT_EQ(c->Pixel(1, 5), 0xFFFFFF);
    EXPECT_EQ(c->Pixel(5, 1), 0xFFFFFF);
    EXPECT_EQ(c->Pixel(2, 2), 0xFFFFFF);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(c->Pixel(x, y), c->Pixel(9 - x, y));
            ASSERT_EQ(c->Pixel(x, y), c->Pixel(x, 9 - y));
        }
    EXPECT_TRUE(UntouchedOutside(*c, {1, 1, 9, 9}, 0));
    auto e = MakeBitmap(5, 3, 0);
    FillEllipse(e.get(), {0, 0, 5, 3}, 0xFFFFFF);
    EXPECT_EQ(e->Pixel(0, 0), 0);
    EXPECT_EQ(e->Pixel(0, 1), 0xFFFFFF);
    EXPECT_EQ(e->Pixel(2, 0), 0xFFFFFF);
}

#include "paint/SoftRect.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"
#include "paint/Blend.h"
#include "paint/ParentColors.h"

namespace {
// Over white with black, a pixel reads back its mask value m as 255 * m / 256.
int Seen(int m) {
    return 255 * m / 256;
}
} // namespace

TEST(SoftRect, RingsFromWhiteToTheCentre) {
    // 10 x 4 with blur 6: n = 2; p = 0 gives t = 0, step 85; ring 1 is 170;
    // ring 2 and the centre are empty at this height.
    auto b = MakeBitmap(12, 6, 0xFFFFFF);
    SoftRect(b.get(), {1, 1, 11, 5}, 0, 0, 6, 0);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 11; ++x) {
            const bool inner = x >= 2 && x < 10 && y >= 2 && y < 4;
            ASSERT_EQ(b->Pixel(x, y), 0x010101 * Seen(inner ? 170 : 255)) << x << "," << y;
        }
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 11, 5}, 0xFFFFFF));
}

TEST(SoftRect, NoBlurIsAUniformBlend) {
    auto b = MakeBitmap(5, 5, 0xFFFFFF);
    SoftRect(b.get(), {-2, -2, 3, 8}, 50, 0, 0, 0);
    // t = 127 everywhere inside, clipped to the bitmap.
    EXPECT_TRUE(UntouchedOutside(*b, {0, 0, 3, 5}, 0xFFFFFF));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            ASSERT_EQ(b->Pixel(x, y), 0x010101 * Seen(127));
    SoftRect(b.get(), {0, 0, 0, 5}, 50, -1, -1, 0);
    SoftRect(b.get(), {1, 1, 4, 4}, 50, -3, -3, 0x00FF00);
    EXPECT_EQ(b->Pixel(3, 3), RGBColor(Seen(127), (255 * 127 + 255 * 128) / 256, Seen(127)));
}

TEST(SoftRect, BlurredEdgesFadeTowardsTheCentre) {
    auto b = MakeBitmap(20, 20, 0xFFFFFF);
    SoftRect(b.get(), {0, 0, 20, 20}, 0, 0, 3, 0);
    // step = 255 / 4 = 63.75: rings 1 and 2 are 191 and 128 (127.5 to even);
    // ring 3 (64) lies under the centre, which is 0, and shows only at its corners.
    const int expect[] = {255, 191, 128, 0, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(b->Pixel(i, 10), 0x010101 * Seen(expect[i])) << i;
    EXPECT_EQ(b->Pixel(19, 10), 0x010101 * Seen(255));
    EXPECT_EQ(b->Pixel(3, 3), 0x010101 * Seen(0));
    EXPECT_EQ(b->Pixel(2, 2), 0x010101 * Seen(128));
}

TEST(SoftRect, PaintDisabledGreyThenBlendOverTheParent) {
    TBitmap parentBmp(6, 6);
    parentBmp.Pixels().Fill(RGBColor(100, 100, 100));
    parentBmp.SetPixel(3, 2, RGBColor(0, 0, 0));
    auto b = MakeBitmap(2, 2, RGBColor(200, 200, 200));
    b->SetPixel(0, 0, RGBColor(30, 60, 90));
    const TCacheInfo parent{&parentBmp, 1, 1, true};
    PaintDisabled(b.get(), dfGrey | dfBlended, 0, parent, {2, 1});
    EXPECT_EQ(b->Pixel(0, 0), RGBColor(24, 24, 24)); // grey 60 over the parent's 0
    EXPECT_EQ(b->Pixel(1, 1), RGBColor(140, 140, 140));

    auto g = MakeBitmap(1, 1, RGBColor(30, 60, 90));
    PaintDisabled(g.get(), dfGrey, 0, parent, {});
    EXPECT_EQ(g->Pixel(0, 0), RGBColor(60, 60, 60));
}

TEST(SoftRect, PaintDisabledWithoutAParentPictureMixesTheParentColour) {
    auto b = MakeBitmap(3, 2, 0xFFFFFF);
    PaintDisabled(b.get(), dfBlended, 0x000000, TCacheInfo{}, {});
    EXPECT_TRUE(UntouchedOutside(*b, {}, 0x010101 * Seen(127)));
    {
        TParentColorGuard guard(0xFFFFFF);
        auto c = MakeBitmap(3, 2, 0);
        PaintDisabled(c.get(), dfBlended, 0x000000, TCacheInfo{}, {});
        EXPECT_TRUE(UntouchedOutside(*c, {}, 0x010101 * (255 * 128 / 256)));
    }
    EXPECT_EQ(ParentBackColor, clSeeThrough);
    EXPECT_EQ(ParentMaskColor, clSeeThrough);
}

#include "paint/SectionFill.h"

#include <gtest/gtest.h>

#include <cmath>

#include "PaintTestUtil.h"
#include "paint/Blend.h"

namespace {
int Red(TColor c) {
    return c & 0xFF;
}

// A tile whose every pixel is different: red = x, green = y.
std::unique_ptr<TBitmap> Tile(int w, int h) {
    auto t = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            t->SetPixel(x, y, RGBColor(x, y, 7));
    return t;
}

const char* const kRamp = "0;200;100;1;0";
} // namespace

TEST(SectionFill, TilePatternWholeTilesThenCutOnes) {
    auto tile = Tile(16, 16);
    auto b = MakeBitmap(44, 44);
    TilePattern(b.get(), {2, 2, 42, 42}, tile.get(), {0, 0, 16, 16});
    for (int y = 2; y < 42; ++y)
        for (int x = 2; x < 42; ++x)
            ASSERT_EQ(b->Pixel(x, y), RGBColor((x - 2) % 16, (y - 2) % 16, 7));
    EXPECT_TRUE(UntouchedOutside(*b, {2, 2, 42, 42}));
    // A tile taken from inside a larger picture, the grid anchored at a rectangle off the bitmap.
    auto c = MakeBitmap(5, 5);
    TilePattern(c.get(), {-3, -1, 4, 30}, tile.get(), {4, 5, 7, 7});
    EXPECT_EQ(c->Pixel(0, 0), RGBColor(4 + 0, 5 + 1, 7));
    EXPECT_EQ(c->Pixel(3, 2), RGBColor(4 + 0, 5 + 1, 7));
    EXPECT_EQ(c->Pixel(2, 1), RGBColor(4 + 2, 5 + 0, 7));
    EXPECT_TRUE(UntouchedOutside(*c, {0, 0, 4, 5}));
    TilePattern(c.get(), {0, 0, 5, 5}, tile.get(), {20, 20, 30, 30});
    EXPECT_EQ(c->Pixel(4, 4), kSentinel);
}

TEST(SectionFill, FillSectionOpaqueColourAndGradientShares) {
    const TsGradArray ramp = ParseGradientData(kRamp);
    TsSectionLook look;
    look.Color = RGBColor(100, 0, 50);
    look.GradientData = kRamp;
    look.GradientArray = &ramp;

    // No image, no gradient: one flat colour.
    auto b = MakeBitmap(7, 3);
    FillSectionOpaque(b.get(), {1, 1, 6, 2}, look);
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 6, 2}));
    EXPECT_EQ(b->Pixel(5, 1), RGBColor(100, 0, 50));

    // GP = 100: exactly the gradient.
    look.GradientPercent = 100;
    auto expect = MakeBitmap(7, 3);
    FillGradient(expect.get(), {1, 1, 6, 2}, ramp);
    FillSectionOpaque(b.get(), {1, 1, 6, 2}, look);
    EXPECT_TRUE(SamePixels(*b, *expect));

    // GP = 60: the gradient, then 60 % gradient and 40 % colour, inside the rectangle only.
    look.GradientPercent = 60;
    FillSectionOpaque(b.get(), {1, 1, 6, 2}, look);
    for (int x = 1; x < 6; ++x)
        EXPECT_EQ(Red(b->Pixel(x, 1)), std::lrint(Red(expect->Pixel(x, 1)) * 0.6 + 100 * 0.4)) << x;
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 6, 2}));

    // An empty gradient string fills with the colour; a blank one keeps what was there.
    look.GradientData = "";
    FillSectionOpaque(b.get(), {1, 1, 6, 2}, look);
    EXPECT_EQ(b->Pixel(3, 1), RGBColor(100, 0, 50));
    const TsGradArray none;
    look.GradientData = " ";
    look.GradientArray = &none;
    look.GradientPercent = 100;
    b->SetPixel(3, 1, 0x0A0B0C);
    FillSectionOpaque(b.get(), {1, 1, 6, 2}, look);
    EXPECT_EQ(b->Pixel(3, 1), 0x0A0B0C);
}

TEST(SectionFill, FillSectionOpaqueOverrideColourOnlyForSeeThroughLooks) {
    TsSectionLook look;
    look.Color = 0x112233;
    look.BackOverride = 0x445566;
    auto b = MakeBitmap(2, 2);
    FillSectionOpaque(b.get(), {0, 0, 2, 2}, look);
    EXPECT_EQ(b->Pixel(1, 1), 0x112233);
    look.Transparency = 30;
    FillSectionOpaque(b.get(), {0, 0, 2, 2}, look);
    EXPECT_EQ(b->Pixel(1, 1), 0x445566);
    // Shares above 100 fill with the colour as well.
    look.ImagePercent = 70, look.GradientPercent = 70, look.GradientData = "";
    look.BackOverride = clSeeThrough;
    FillSectionOpaque(b.get(), {0, 0, 2, 2}, look);
    EXPECT_EQ(b->Pixel(0, 0), 0x112233);
}

TEST(SectionFill, FillSectionOpaquePatternUnderTheGradient) {
    auto tile = Tile(3, 2);
    const TsGradArray ramp = ParseGradientData(kRamp);
    TsSectionLook look;
    look.Color = 0x0000FF;
    look.ImagePercent = 100;
    look.Pattern = tile.get();
    look.PatternRect = {0, 0, 3, 2};
    auto b = MakeBitmap(6, 4);
    FillSectionOpaque(b.get(), {0, 0, 5, 4}, look);
    EXPECT_EQ(b->Pixel(4, 3), RGBColor(1, 1, 7));
    EXPECT_TRUE(UntouchedOutside(*b, {0, 0, 5, 4}));

    // IP 40, GP 60: the image keeps 102/256, the gradient the rest; nothing more.
    look.ImagePercent = 40, look.GradientPercent = 60;
    look.GradientData = kRamp, look.GradientArray = &ramp;
    FillSectionOpaque(b.get(), {0, 0, 5, 4}, look);
    auto g = MakeBitmap(5, 4);
    FillGradient(g.get(), {0, 0, 5, 4}, ramp);
    for (int x = 0; x < 5; ++x) {
        const int img = x % 3, grad = Red(g->Pixel(x, 0));
        EXPECT_EQ(Red(b->Pixel(x, 0)), grad + (((img - grad) * 102) >> 8)) << x;
    }
    // IP without a pattern fills with the colour first.
    look.Pattern = nullptr, look.GradientPercent = 0, look.ImagePercent = 50;
    FillSectionOpaque(b.get(), {0, 0, 5, 4}, look);
    EXPECT_EQ(b->Pixel(2, 2), 0x0000FF);
}

TEST(SectionFill, PaintSectionLookTransparencyOverTheParent) {
    TBitmap parentBmp(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            parentBmp.SetPixel(x, y, RGBColor(x * 20, y * 20, 1));
    const TCacheInfo ready{&parentBmp, 1, 2, true};
    TsSectionLook look;
    look.Color = RGBColor(0, 0, 200);
    look.Transparency = 100;

    // Not Ready: opaque.
    auto b = MakeBitmap(5, 5);
    PaintSectionLook(look, TCacheInfo{}, b.get(), {1, 1, 3, 3}, {2, 2}, false);
    EXPECT_EQ(b->Pixel(1, 1), RGBColor(0, 0, 200));
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 3, 3}));

    // Ready: the parent's pixels at (X + offset, Y + offset).
    PaintSectionLook(look, ready, b.get(), {1, 1, 3, 3}, {2, 1}, false);
    EXPECT_EQ(b->Pixel(1, 1), RGBColor(60, 60, 1));
    EXPECT_EQ(b->Pixel(2, 2), RGBColor(80, 80, 1));
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 3, 3}));

    // Into the parent's own bitmap: nothing changes.
    TBitmap copy;
    copy.Assign(parentBmp);
    PaintSectionLook(look, ready, &parentBmp, {1, 1, 3, 3}, {2, 1}, false);
    EXPECT_TRUE(SamePixels(parentBmp, copy));

    // The override colour replaces the parent only when asked for.
    look.BackOverride = 0x00FF00;
    PaintSectionLook(look, ready, b.get(), {1, 1, 3, 3}, {0, 0}, true);
    EXPECT_EQ(b->Pixel(2, 2), 0x00FF00);

    // Between: the parent keeps Transparency * 255 / 100 over 256.
    look.Transparency = 40;
    look.BackOverride = clSeeThrough;
    PaintSectionLook(look, ready, b.get(), {1, 1, 3, 3}, {2, 1}, false);
    const int t = 40 * 255 / 100;
    EXPECT_EQ(b->Pixel(1, 1), RGBColor((60 * t) >> 8, (60 * t) >> 8, 200 + (((1 - 200) * t) >> 8)));
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 3, 3}));
}

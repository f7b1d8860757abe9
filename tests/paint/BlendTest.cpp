#include "paint/Blend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>

#include "PaintTestUtil.h"

namespace {
// A 256 x 256 bitmap whose pixel (x, y) has every channel f(x, y).
std::unique_ptr<TBitmap> Pairs(int (*f)(int, int)) {
    auto b = MakeBitmap(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const int v = f(x, y);
            b->SetPixel(x, y, RGBColor(v, v, v));
        }
    return b;
}
int X(int x, int) {
    return x;
}
int Y(int, int y) {
    return y;
}
int Blue(TColor c) {
    return (c >> 16) & 0xFF;
}
int Green(TColor c) {
    return (c >> 8) & 0xFF;
}
int Red(TColor c) {
    return c & 0xFF;
}

// The mask blend written plainly: pixel p and colour c mixed by mask byte m.
int MaskMix(int p, int c, int m) {
    return ((p - c) * m + c * 255) / 256;
}
// The channel values of the colours the exhaustive mask test mixes in.
const TColor MaskColors[] = {0x000000, 0xFFFFFF, 0x808080, RGBColor(200, 17, 1)};
} // namespace

// Exhaustive checks of each 8-bit formula over all byte pairs against the
// formula written plainly.

TEST(Blend, BlendByMaskFormulaOverAllPixelMaskPairs) {
    for (TColor c : MaskColors) {
        auto b = Pairs(X);
        auto m = Pairs(Y);
        BlendByMask(b.get(), m.get(), c);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const TColor p = b->Pixel(x, y);
                ASSERT_EQ(Red(p), MaskMix(x, Red(c), y)) << x << "," << y;
                ASSERT_EQ(Green(p), MaskMix(x, Green(c), y));
                ASSERT_EQ(Blue(p), MaskMix(x, Blue(c), y));
            }
    }
}

// The exhaustive check is only as good as its reference: every way of
// rounding a step differently must disagree with it somewhere in the pairs and
// colours that check covers, or an implementation that did so would pass.
TEST(Blend, TheMaskReferenceRejectsFormulasOffByOne) {
    using TFormula = int (*)(int p, int c, int m);
    const TFormula nearby[] = {
        [](int p, int c, int m) { return ((p - c) * m + c * 255 + 128) / 256; }, // rounded
        [](int p, int c, int m) { return ((p - c) * m + c * 255) / 255; },       // by 255
        [](int p, int c, int m) { return ((p - c) * (m + 1) + c * 256) / 256; }, // m + 1 of 256
        [](int p, int c, int m) { return (p * m + c * (255 - m)) / 255; },       // weights of 255
        [](int p, int c, int m) { return ((p - c) * m + c * 256) / 256; },       // c x 256
    };
    for (size_t i = 0; i < std::size(nearby); ++i) {
        int differ = 0;
        for (TColor colour : MaskColors)
            for (int c : {Red(colour), Green(colour), Blue(colour)})
                for (int m = 0; m < 256; ++m)
                    for (int p = 0; p < 256; ++p)
                        differ += nearby[i](p, c, m) != MaskMix(p, c, m) ? 1 : 0;
        EXPECT_GT(differ, 0) << "formula " << i;
    }
}

TEST(Blend, BlendRectFormulaOverAllDestinationSourcePairs) {
    for (TColor t : {0x000000, 0x010101, 0x555555, 0x7F7F7F, 0x808080, 0xFEFEFE, 0xFFFFFF, 0x000001,
                     0x000102, 0x0000FF, 0x10FF00}) {
        auto d = Pairs(X);
        auto s = Pairs(Y);
        BlendRect(d.get(), s.get(), t, {0, 0, 256, 256}, {0, 0});
        const double k = (Red(t) + Green(t) + Blue(t)) / 768.0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(d->Pixel(x, y),
                          RGBColor(1, 1, 1) * static_cast<int>(std::trunc((x - y) * k + y)))
                    << std::hex << t << std::dec << " " << x << "," << y;
    }
}

TEST(Blend, BlendBitmapOntoFormulaOverAllPairs) {
    for (double a : {0.0, 0.4, 0.5, 0.123, 0.9, 1.0}) {
        auto d = Pairs(X);
        auto s = Pairs(Y);
        BlendBitmapOnto(d.get(), 0, 0, NoKeyColor, a, {0, 0, 255, 255}, s.get());
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(Red(d->Pixel(x, y)), std::lrint(y - (y - x) * a))
                    << a << " " << x << "," << y;
    }
}

TEST(Blend, BlendColorRectFormulaOverAllPixelColourPairs) {
    for (int p : {0, 1, 33, 50, 60, 99, 100}) {
        for (int c = 0; c < 256; ++c) {
            auto b = MakeBitmap(256, 1);
            for (int x = 0; x < 256; ++x)
                b->SetPixel(x, 0, RGBColor(x, x, 255 - x));
            BlendColorRect(b.get(), {0, 0, 255, 0}, static_cast<uint8_t>(p), RGBColor(c, c, 0));
            const double k = p / 100.0;
            for (int x = 0; x < 256; ++x) {
                ASSERT_EQ(Red(b->Pixel(x, 0)), std::lrint(x * k + c * (1 - k)))
                    << p << " " << c << " " << x;
                ASSERT_EQ(Blue(b->Pixel(x, 0)), std::lrint((255 - x) * k));
            }
        }
    }
}

TEST(Blend, MakeGreyFormulaAverages) {
    for (int r : {0, 1, 2, 128, 255}) {
        auto b = MakeBitmap(256, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                b->SetPixel(x, y, RGBColor(r, x, y));
        MakeGrey(b.get());
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                ASSERT_EQ(b->Pixel(x, y), RGBColor(1, 1, 1) * ((r + x + y) / 3));
    }
}

TEST(Blend, BlendColorRectInclusiveEndsAndClipping) {
    auto b = MakeBitmap(13, 13);
    BlendColorRect(b.get(), {0, 0, 10, 10}, 0, 0xABCDEF);
    EXPECT_TRUE(UntouchedOutside(*b, {0, 0, 11, 11}));
    EXPECT_EQ(b->Pixel(10, 10), 0xABCDEF);
    EXPECT_EQ(b->Pixel(0, 0), 0xABCDEF);
    BlendColorRect(b.get(), {-5, -5, 50, 50}, 100, 0x000000);
    EXPECT_EQ(b->Pixel(10, 10), 0xABCDEF);
    EXPECT_EQ(b->Pixel(12, 12), kSentinel);
    BlendColorRect(b.get(), {-5, -5, 50, 50}, 0, 0x000000);
    EXPECT_TRUE(UntouchedOutside(*b, {}, 0x000000));
}

TEST(Blend, BlendRectWeightsAndEdges) {
    auto d = MakeBitmap(4, 4, RGBColor(200, 200, 200));
    auto s = MakeBitmap(2, 2, RGBColor(0, 10, 20));
    BlendRect(d.get(), s.get(), 0, {0, 0, 2, 2}, {1, 1});
    EXPECT_EQ(d->Pixel(1, 1), RGBColor(0, 10, 20));
    EXPECT_EQ(d->Pixel(2, 2), RGBColor(0, 10, 20));
    EXPECT_TRUE(UntouchedOutside(*d, {1, 1, 3, 3}, RGBColor(200, 200, 200)));
    // t = 255 keeps 765/768 of the destination.
    auto e = MakeBitmap(1, 1, RGBColor(200, 100, 0));
    BlendRect(e.get(), s.get(), 0xFFFFFF, {0, 0, 1, 1}, {0, 0});
    EXPECT_EQ(e->Pixel(0, 0), RGBColor(199, 99, 0));
    // Rows and columns run to the rectangle's size inclusive when the source has them.
    auto f = MakeBitmap(5, 5);
    auto big = MakeBitmap(5, 5, 0);
    BlendRect(f.get(), big.get(), 0, {0, 0, 2, 2}, {0, 0});
    EXPECT_TRUE(UntouchedOutside(*f, {0, 0, 3, 3}));
    EXPECT_EQ(f->Pixel(2, 2), 0);
    // Nothing lands outside the destination, whatever the point.
    auto g = MakeBitmap(3, 3);
    BlendRect(g.get(), big.get(), 0, {0, 0, 5, 5}, {-2, 1});
    EXPECT_TRUE(UntouchedOutside(*g, {0, 1, 3, 3}));
    EXPECT_EQ(g->Pixel(0, 1), 0);
    BlendRect(g.get(), big.get(), 0, {-3, -3, 5, 5}, {5, 5});
}

TEST(Blend, BlendBitmapOntoAlphaKeyAndClipping) {
    auto d = MakeBitmap(4, 3, RGBColor(200, 200, 200));
    auto s = MakeBitmap(3, 1, RGBColor(100, 100, 100));
    s->SetPixel(1, 0, 0xFF00FF);
    BlendBitmapOnto(d.get(), 1, 1, 0x00FF00FF, 0.4, {0, 0, 9, 9}, s.get());
    EXPECT_EQ(d->Pixel(1, 1), RGBColor(140, 140, 140));
    EXPECT_EQ(d->Pixel(2, 1), RGBColor(200, 200, 200)); // key colour left out
    EXPECT_EQ(d->Pixel(3, 1), RGBColor(140, 140, 140));
    EXPECT_TRUE(UntouchedOutside(*d, {1, 1, 4, 2}, RGBColor(200, 200, 200)));
    // A key with a top byte of 255 skips nothing.
    BlendBitmapOnto(d.get(), 1, 1, NoKeyColor | 0xFF00FF, 1.0 / 2, {1, 0, 1, 0}, s.get());
    EXPECT_EQ(d->Pixel(1, 1), RGBColor(198, 70, 198)); // 197.5 rounds to even
    // A negative point starts further into the source.
    auto e = MakeBitmap(2, 1, 0);
    BlendBitmapOnto(e.get(), -2, 0, NoKeyColor, 0.0, {0, 0, 2, 0}, s.get());
    EXPECT_EQ(e->Pixel(0, 0), RGBColor(100, 100, 100));
    EXPECT_EQ(e->Pixel(1, 0), 0);
}

TEST(Blend, BlendByMaskEdgeValuesAndSizeMismatch) {
    auto b = MakeBitmap(2, 1, 0xFFFFFF);
    auto m = MakeBitmap(2, 1, 0);
    m->SetPixel(1, 0, 0xFFFFFF);
    BlendByMask(b.get(), m.get(), 0xFFFFFF);
    EXPECT_EQ(b->Pixel(0, 0), 0xFEFEFE);
    EXPECT_EQ(b->Pixel(1, 0), 0xFEFEFE);
    auto other = MakeBitmap(2, 2, 0);
    BlendByMask(b.get(), other.get(), 0);
    EXPECT_EQ(b->Pixel(0, 0), 0xFEFEFE);
}

TEST(Blend, MakeGreyExceptLeavesTheKeyColour) {
    auto b = MakeBitmap(2, 1, 0xFF00FF);
    b->SetPixel(1, 0, RGBColor(10, 20, 33));
    MakeGreyExcept(b.get(), 0xFF00FF);
    EXPECT_EQ(b->Pixel(0, 0), 0xFF00FF);
    EXPECT_EQ(b->Pixel(1, 0), 0x151515);
}

TEST(Blend, CopyRectClipsBothBitmapsAndOverlaps) {
    auto b = MakeBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            b->SetPixel(x, y, y * 4 + x);
    auto d = MakeBitmap(3, 3);
    CopyRect(d.get(), {-1, 1}, b.get(), {0, 0, 4, 4});
    EXPECT_EQ(d->Pixel(0, 1), 1);
    EXPECT_EQ(d->Pixel(2, 2), 7);
    EXPECT_TRUE(UntouchedOutside(*d, {0, 1, 3, 3}));
    CopyRect(b.get(), {1, 1}, b.get(), {0, 0, 3, 3});
    EXPECT_EQ(b->Pixel(3, 3), 10);
    EXPECT_EQ(b->Pixel(1, 1), 0);
}

// The canvas on bitmaps of a device scale: everything but text is the scale-1
// picture enlarged exactly; text keeps its scale-1 layout and is drawn sharp.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ScaledPixels.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TGlyphCache.h"

namespace {

constexpr TColor kBack = 0x123456;
constexpr int kScale = 2;

// A small picture with something in every pixel, for copies.
std::unique_ptr<TBitmap> Pattern(int w, int h) {
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->SetPixel(x, y, static_cast<TColor>((x * 37 + y * 91) * 0x010203 & 0xFFFFFF));
    return b;
}

using TDrawing = std::function<void(TCanvas&)>;

// Draws onto a 1x and a 2x bitmap of the same logical size, both first
// filled with kBack, through an origin and a clip that leave a border.
struct TBoth {
    TBitmap One{24, 20};
    TBitmap Two{24, 20, kScale};
    explicit TBoth(const TDrawing& draw) {
        for (TBitmap* b : {&One, &Two}) {
            b->Pixels().Fill(kBack);
            TCanvas& c = *b->Canvas();
            c.SetOrigin(2, 1);
            c.IntersectClipRect({-1, 0, 19, 17});
            c.ExcludeClipRect({8, 8, 10, 10});
            draw(c);
        }
    }
};

struct TCase {
    const char* Name;
    TDrawing Draw;
};

const std::vector<TCase>& Drawings() {
    static const std::vector<TCase> cases{
        {"fill and frame",
         [](TCanvas& c) {
             c.Brush()->SetColor(clRed);
             c.FillRect({-3, 2, 9, 7});
             c.Brush()->SetColor(clBlue);
             c.FrameRect({4, 3, 30, 12});
         }},
        {"pixels and focus",
         [](TCanvas& c) {
             c.SetPixel(3, 4, clLime);
             c.SetPixel(40, 4, clLime);
             c.DrawFocusRect({1, 1, 14, 9});
         }},
        {"wide pen shapes",
         [](TCanvas& c) {
             c.Pen()->SetWidth(2);
             c.Pen()->SetColor(clRed);
             c.Brush()->SetColor(clYellow);
             c.Rectangle(0, 0, 9, 7);
             c.Ellipse(5, 3, 19, 15);
             c.RoundRect(-2, 9, 12, 16, 5, 4);
         }},
        {"lines and polygons",
         [](TCanvas& c) {
             c.Pen()->SetStyle(psDot);
             c.MoveTo(0, 15);
             c.LineTo(20, 2);
             c.Pen()->SetStyle(psSolid);
             c.Brush()->SetColor(clAqua);
             c.SetPolyFillMode(pfWinding);
             c.Polygon({{1, 1}, {16, 4}, {3, 14}, {12, 0}});
         }},
        {"copies and raster operations",
         [](TCanvas& c) {
             auto one = Pattern(10, 8);
             auto two = Enlarged(*one, kScale);
             const TBitmap& src = c.Bitmap()->Scale() == 1 ? *one : *two;
             c.BitBlt(-2, 1, 9, 7, src, 1, 0);
             c.BitBlt(9, 3, 6, 6, src, 2, 2, SRCINVERT);
             c.BitBlt(3, 9, 12, 3, *c.Bitmap(), 0, 0); // onto itself
         }},
        {"stretched and transparent",
         [](TCanvas& c) {
             auto one = Pattern(5, 4);
             one->Transparent = true;
             one->TransparentColor = one->Pixel(1, 1);
             auto two = Enlarged(*one, kScale);
             const TBitmap& src = c.Bitmap()->Scale() == 1 ? *one : *two;
             c.StretchDraw({0, 0, 13, 11}, src);
             c.Draw(12, 9, src);
             c.CopyRect({14, 0, 17, 7}, *c.Bitmap()->Canvas(), {0, 0, 6, 6});
         }},
    };
    return cases;
}

TEST(CanvasScale, DrawingIsTheScaleOnePictureEnlarged) {
    for (const TCase& k : Drawings()) {
        TBoth both(k.Draw);
        EXPECT_TRUE(IsEnlargedOf(both.Two, both.One)) << k.Name;
    }
}

TEST(CanvasScale, CopiesBetweenScalesTakeTheNearestPixel) {
    auto one = Pattern(6, 5);
    TBitmap two(6, 5, kScale);
    two.Canvas()->Draw(0, 0, *one);
    EXPECT_TRUE(IsEnlargedOf(two, *one));
    // Back down: the first device pixel of each block.
    two.SetPixels(Pattern(12, 10)->Pixels(), kScale);
    TBitmap back(6, 5);
    back.Canvas()->Draw(0, 0, two);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(back.Pixel(x, y), two.Pixel(x, y));
    // Resampling a bitmap's own scale keeps its picture.
    TBitmap changed(6, 5);
    changed.Assign(*one);
    changed.SetScale(3);
    EXPECT_EQ(changed.Width(), 6);
    EXPECT_EQ(changed.Pixels().Width(), 18);
    changed.SetScale(1);
    EXPECT_TRUE(IsEnlargedOf(changed, *one));
}

TEST(CanvasScale, DamageIsCountedInLogicalPixels) {
    TBitmap two(20, 10, kScale);
    TCanvas& c = *two.Canvas();
    c.TrackDamage();
    c.Brush()->SetColor(clRed);
    c.FillRect({3, 2, 5, 6});
    EXPECT_EQ(c.TakeDamage(), (TRect{3, 2, 5, 6}));
    TBitmap same(20, 10, kScale);
    same.Assign(two);
    c.BitBlt(0, 0, 20, 10, same, 0, 0); // nothing new
    EXPECT_TRUE(c.TakeDamage().IsEmpty());
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    c.TextOut(1, 1, "x");
    const TRect text = c.TakeDamage();
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_TRUE(text.Intersect({1, 1, 1 + c.TextWidth("x"), 1 + c.TextHeight("x")}) == text);
}

// Text keeps the scale-1 layout: the same extents and line breaks, and ink
// only inside the boxes the scale-1 text had; inside them it is finer than a
// doubled picture.
TEST(CanvasScale, TextIsLaidOutAsAtScaleOneAndDrawnSharp) {
    const std::string text = "Play the game\tnow, Wg";
    TBitmap one(90, 40), two(90, 40, kScale);
    TRect rects[2];
    for (TBitmap* b : {&one, &two}) {
        b->Pixels().Fill(0xFFFFFF);
        TCanvas& c = *b->Canvas();
        c.Font()->SetColor(clBlack);
        c.Font()->SetStyle(fsUnderline);
        c.Brush()->SetStyle(bsClear);
        TRect& r = rects[b == &two];
        r = {2, 2, 60, 40};
        c.DrawText(text, r, DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
        c.DrawText(text, r, DT_WORDBREAK | DT_EXPANDTABS);
    }
    EXPECT_EQ(rects[0], rects[1]);
    EXPECT_EQ(one.Canvas()->TextExtent(text), two.Canvas()->TextExtent(text));
    EXPECT_TRUE(IsEnlargedOf(two, one, {rects[0]}));
    EXPECT_FALSE(IsEnlargedOf(two, one));
    // Sharp: some 2x2 block holds more than one colour.
    const TPixels& p = two.Pixels();
    bool finer = false;
    for (int y = 0; y < p.Height(); y += 2)
        for (int x = 0; x < p.Width(); x += 2)
            finer = finer || p.Pixel(x, y) != p.Pixel(x + 1, y) ||
                    p.Pixel(x, y) != p.Pixel(x, y + 1) || p.Pixel(x, y) != p.Pixel(x + 1, y + 1);
    EXPECT_TRUE(finer);
}

// Each word of sharp text sits in the box the scale-1 word has: the larger
// glyphs' own advances would carry a long word into the space after it.
TEST(CanvasScale, SharpWordsKeepTheirPlacesAndTheSpacesBetweenThem) {
    const std::u32string text = U"Quelm abriram personagem e mmmmmmmm x";
    TBitmap two(260, 20, kScale);
    two.Pixels().Fill(0xFFFFFF);
    TCanvas& c = *two.Canvas();
    c.Font()->SetName("Tahoma");
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(bsClear);
    c.DrawTextRun(1, 1, text, nullptr);
    const TPixels& p = two.Pixels();
    auto inkInColumns = [&p](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < p.Height(); ++y)
                if (p.Pixel(x, y) != 0xFFFFFF) return true;
        return false;
    };
    int pen = 1;
    for (char32_t ch : text) {
        const int advance = c.Glyphs().Glyph(ch).Advance;
        if (ch == U' ') {
            SCOPED_TRACE(pen);
            // The middle of each scale-1 space, at device pixels, stays clear.
            EXPECT_FALSE(inkInColumns(pen * kScale + 1, (pen + advance) * kScale - 1));
        }
        pen += advance;
    }
}

// The bold Tahoma is bold in its bitmap strike at 11 pixels but hardly in
// its outlines; sharp text keeps the weight the scale-1 text has.
TEST(CanvasScale, BoldTextStaysBold) {
    auto ink = [](TFontStyles style) {
        TBitmap two(90, 20, kScale);
        two.Pixels().Fill(0xFFFFFF);
        TCanvas& c = *two.Canvas();
        c.Font()->SetName("Tahoma");
        c.Font()->SetStyle(style);
        c.Brush()->SetStyle(bsClear);
        c.TextOut(1, 1, "Servidor Teste");
        long sum = 0;
        const TPixels& p = two.Pixels();
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                sum += 255 - static_cast<long>(p.Pixel(x, y) & 0xFF);
        return sum;
    };
    EXPECT_GT(ink(fsBold) * 10, ink(0) * 13);
}

} // namespace

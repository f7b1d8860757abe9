// Pixel-exact tests of the canvas: clipping, origin, saved states, shape
// coverage and copies, on tiny bitmaps with sentinel pixels around.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

namespace {

constexpr TColor S = 0x123456; // sentinel
constexpr TColor B = clBlue;   // brush
constexpr TColor P = clRed;    // pen

// Rows of characters: '.' sentinel, 'b' brush, 'p' pen, '#' any other colour.
std::string Picture(const TBitmap& bmp) {
    std::string out;
    for (int y = 0; y < bmp.Height(); ++y) {
        for (int x = 0; x < bmp.Width(); ++x) {
            TColor c = bmp.Pixel(x, y);
            out += c == S ? '.' : c == B ? 'b' : c == P ? 'p' : '#';
        }
        out += '\n';
    }
    return out;
}

std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows)
        out += std::string(r) + "\n";
    return out;
}

struct Canvas : ::testing::Test {
    TBitmap bmp{8, 6};
    TCanvas* c = nullptr;
    void SetUp() override {
        bmp.Pixels().Fill(static_cast<uint32_t>(S));
        c = bmp.Canvas();
        c->Brush()->SetColor(B);
        c->Pen()->SetColor(P);
    }
};

TEST_F(Canvas, FillAndFrameRectAreHalfOpenAndClippedToTheBitmap) {
    c->FillRect({1, 1, 3, 3});
    c->FrameRect({4, 1, 8, 5});
    c->FillRect({-5, 5, 100, 100});
    EXPECT_EQ(Picture(bmp),
              Rows({"........", ".bb.bbbb", ".bb.b..b", "....b..b", "....bbbb", "bbbbbbbb"}));
    c->Brush()->SetStyle(bsClear);
    c->FillRect({0, 0, 8, 6});
    EXPECT_EQ(bmp.Pixel(0, 0), S);
}

TEST_F(Canvas, OriginAndClipRegionCombine) {
    c->SetOrigin(2, 1);
    TRegion clip(TRect{0, 0, 4, 6});
    clip.Union(TRect{6, 0, 8, 2});
    c->SetClipRegion(clip); // bitmap coordinates
    c->FillRect({-2, -1, 6, 5});
    EXPECT_EQ(Picture(bmp),
              Rows({"bbbb..bb", "bbbb..bb", "bbbb....", "bbbb....", "bbbb....", "bbbb...."}));
    EXPECT_EQ(c->ClipRect(), (TRect{-2, -1, 6, 5}));
    EXPECT_EQ(c->Pixel(-3, 0), CLR_INVALID);
    EXPECT_EQ(c->Pixel(-2, -1), B);
}

TEST_F(Canvas, IntersectAndExcludeClipRectTakeLogicalCoordinates) {
    c->SetOrigin(1, 1);
    c->IntersectClipRect({0, 0, 6, 4});
    c->ExcludeClipRect({1, 1, 3, 3});
    c->FillRect({-10, -10, 10, 10});
    EXPECT_EQ(Picture(bmp),
              Rows({"........", ".bbbbbb.", ".b..bbb.", ".b..bbb.", ".bbbbbb.", "........"}));
}

TEST_F(Canvas, RestoreDCBringsBackOriginClipAndObjects) {
    int level = c->SaveDC();
    EXPECT_EQ(level, 1);
    c->SetOrigin(3, 3);
    c->IntersectClipRect({0, 0, 1, 1});
    c->Brush()->SetColor(clLime);
    c->Font()->SetHeight(-20);
    c->SaveDC();
    c->SetOrigin(5, 5);
    EXPECT_TRUE(c->RestoreDC(-1));
    EXPECT_EQ(c->Origin(), (TPoint{3, 3}));
    EXPECT_TRUE(c->RestoreDC(level));
    EXPECT_FALSE(c->RestoreDC(-1));
    EXPECT_EQ(c->Origin(), (TPoint{0, 0}));
    EXPECT_EQ(c->Brush()->Color(), B);
    EXPECT_EQ(c->Font()->Height(), -11);
    c->FillRect({0, 0, 8, 6});
    EXPECT_EQ(bmp.Pixel(7, 5), B);
}

TEST_F(Canvas, ClipFollowsABitmapThatGrows) {
    c->FillRect({0, 0, 1, 1});
    bmp.SetSize(10, 6);
    c->FillRect({9, 5, 10, 6});
    EXPECT_EQ(bmp.Pixel(9, 5), B);
}

TEST_F(Canvas, LinesLeaveOutTheEndPoint) {
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    c->LineTo(4, 3);
    c->MoveTo(0, 5);
    c->LineTo(3, 2);
    EXPECT_EQ(Picture(bmp),
              Rows({"ppppp...", "....p...", "....p...", "..p.....", ".p......", "p......."}));
}

TEST_F(Canvas, DottedAndClearPens) {
    c->Pen()->SetStyle(psDot);
    c->MoveTo(0, 0);
    c->LineTo(8, 0);
    c->Pen()->SetStyle(psClear);
    c->MoveTo(0, 1);
    c->LineTo(8, 1);
    EXPECT_EQ(Picture(bmp).substr(0, 18), "ppp...pp\n........\n");
}

TEST_F(Canvas, RectangleCoversOutlineAndInsideLikeThePlatform) {
    c->Rectangle(0, 0, 5, 4);
    c->Pen()->SetStyle(psClear);
    c->Rectangle(5, 0, 8, 3); // no pen: one pixel less on the right and bottom
    EXPECT_EQ(Picture(bmp),
              Rows({"pppppbb.", "pbbbpbb.", "pbbbp...", "ppppp...", "........", "........"}));
}

TEST_F(Canvas, EllipseCoverage) {
    TBitmap big(9, 9);
    big.Pixels().Fill(static_cast<uint32_t>(S));
    TCanvas* e = big.Canvas();
    e->Brush()->SetColor(B);
    e->Pen()->SetColor(P);
    e->Ellipse(1, 1, 8, 8);
    // clang-format off
    EXPECT_EQ(Picture(big), Rows({".........",
                                  "...ppp...",
                                  "..pbbbp..",
                                  ".pbbbbbp.",
                                  ".pbbbbbp.",
                                  ".pbbbbbp.",
                                  "..pbbbp..",
                                  "...ppp...",
                                  "........."}));
    // clang-format on
    big.Pixels().Fill(static_cast<uint32_t>(S));
    e->Pen()->SetStyle(psClear);
    e->Ellipse(0, 0, 5, 5); // inscribed in (0, 0, 4, 4)
    EXPECT_EQ(Picture(big).substr(0, 50),
              Rows({".bb......", "bbbb.....", "bbbb.....", ".bb......", "........."}));
}

TEST_F(Canvas, RoundRectCorners) {
    c->Pen()->SetStyle(psClear);
    c->RoundRect(0, 0, 9, 7, 4, 4); // fills (0, 0, 8, 6) with 2-pixel corner radii
    EXPECT_EQ(Picture(bmp),
              Rows({".bbbbbb.", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", ".bbbbbb."}));
}

TEST_F(Canvas, PolygonFillsLeftAndTopEdgesOnly) {
    c->Pen()->SetStyle(psClear);
    c->Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    c->Polygon({{5, 0}, {8, 3}, {5, 3}});
    EXPECT_EQ(Picture(bmp),
              Rows({"bbbb....", "bbbb.b..", "bbbb.bb.", "bbbb....", "........", "........"}));
    c->Pen()->SetStyle(psSolid);
    c->Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    EXPECT_EQ(Picture(bmp).substr(0, 45),
              Rows({"ppppp...", "pbbbpb..", "pbbbpbb.", "pbbbp...", "ppppp..."}));
}

TEST_F(Canvas, PolygonFillModes) {
    // A square walked twice: alternate leaves it empty, winding fills it.
    std::vector<TPoint> twice{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}};
    c->Pen()->SetStyle(psClear);
    c->Polygon(twice);
    EXPECT_EQ(bmp.Pixel(1, 1), S);
    c->SetPolyFillMode(pfWinding);
    c->Polygon(twice);
    EXPECT_EQ(bmp.Pixel(1, 1), B);
}

TEST_F(Canvas, FocusRectInvertsEveryOtherPixelAndUndoes) {
    bmp.Pixels().Fill(0);
    c->DrawFocusRect({0, 0, 5, 4});
    std::string once;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            once += bmp.Pixel(x, y) == clWhite ? 'x' : '.';
    EXPECT_EQ(once, "x.x.x."
                    "......"
                    "x...x."
                    ".x.x..");
    c->DrawFocusRect({0, 0, 5, 4});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(bmp.Pixel(x, y), clBlack);
}

TEST_F(Canvas, BitBltClipsTheSourceAndHandlesOverlap) {
    TBitmap src(3, 3);
    src.Pixels().Fill(static_cast<uint32_t>(P));
    c->BitBlt(-1, 0, 5, 5, src, -2, 1); // only source columns 0..2, rows 1..2
    EXPECT_EQ(Picture(bmp).substr(0, 27), Rows({".ppp....", ".ppp....", "........"}));
    c->BitBlt(2, 0, 4, 2, *c, 1, 0); // overlapping, moving right
    EXPECT_EQ(Picture(bmp).substr(0, 18), Rows({".pppp...", ".pppp..."}));
}

TEST_F(Canvas, DrawLeavesOutTheTransparentColour) {
    TBitmap sprite(2, 2);
    sprite.Pixels().Fill(static_cast<uint32_t>(clFuchsia));
    sprite.SetPixel(0, 0, P);
    sprite.Transparent = true;
    c->Draw(6, 4, sprite);
    c->Draw(7, 5, sprite); // clipped at the bitmap's corner
    EXPECT_EQ(Picture(bmp).substr(36), Rows({"......p.", ".......p"}));
    sprite.Transparent = false;
    c->Draw(0, 0, sprite);
    EXPECT_EQ(bmp.Pixel(1, 1), clFuchsia);
}

TEST_F(Canvas, StretchDrawIsNearestPixel) {
    TBitmap two(2, 1);
    two.SetPixel(0, 0, P);
    two.SetPixel(1, 0, B);
    c->StretchDraw({0, 0, 4, 2}, two);
    EXPECT_EQ(Picture(bmp).substr(0, 18), Rows({"ppbb....", "ppbb...."}));
}

TEST_F(Canvas, ExtremeCoordinatesStayInsideAndFinish) {
    const int big = 2000000000;
    c->SetOrigin(3, 2);
    c->FillRect({-big, -big, big, 1});
    c->Pen()->SetWidth(big);
    c->MoveTo(-big, -big);
    c->LineTo(big, big);
    c->Pen()->SetWidth(1);
    c->Ellipse(-big, -big, big, big);
    c->RoundRect(-big, -big, big, big, big, big);
    c->Polygon({{-big, -big}, {big, 0}, {0, big}});
    c->DrawFocusRect({-big, -big, big, big});
    c->SetPixel(big, -big, P);
    EXPECT_EQ(c->Pixel(-big, big), CLR_INVALID);
    TBitmap src(2, 2);
    c->BitBlt(-big, -big, big, big, src, big, -big);
    c->StretchDraw({-big, -big, big, big}, src);
    c->TextOut(big, big, "x");
    TRect r{-big, -big, big, big};
    c->DrawText("a b c\nd", r, DT_CENTER | DT_WORDBREAK);
    r = {big, big, big, big};
    c->DrawText("abc", r, DT_CALCRECT);
    EXPECT_EQ(r.Left, big);
    EXPECT_EQ(bmp.Width(), 8); // and the sanitizers saw no write outside
}

// A canvas of its own, with no bitmap behind it; the fixture's is left alone.
TEST_F(Canvas, WithoutABitmapNothingHappens) {
    TCanvas c(nullptr);
    c.FillRect({0, 0, 10, 10});
    c.Ellipse(0, 0, 10, 10);
    c.TextOut(0, 0, "text");
    EXPECT_EQ(c.Pixel(0, 0), CLR_INVALID);
    EXPECT_TRUE(c.ClipRect().IsEmpty());
    EXPECT_EQ(c.TextWidth("ab") > 0, true);
}

} // namespace

// Skinned text: fitting the rectangle, contours in their order, the disabled
// emboss, and shortening with "...". Tahoma at -11 is drawn from its embedded
// bitmaps, so every text pixel is either the font colour or untouched.

#include "paint/SkinText.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "PaintTestUtil.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TCanvas.h"

namespace {

using TPixelSet = std::set<std::pair<int, int>>;

constexpr int kSize = 24;
const TRect kArea = {6, 5, 18, 19}; // where the text is fitted; sentinels all around

// "Play" in Tahoma -11 measures 20 x 13.
constexpr int kPlayW = 20;
constexpr int kPlayH = 13;

std::unique_ptr<TBitmap> Canvas(int w = kSize, int h = kSize) {
    auto b = MakeBitmap(w, h);
    b->Canvas()->SetFont(TFont());
    return b;
}

// The pixels the text covers when drawn plainly in the rectangle the painter
// would draw it in.
TPixelSet GlyphPixels(const std::string& text, unsigned flags) {
    auto b = Canvas();
    TRect r = kArea;
    const TRect d = FitTextRect(*b->Canvas(), text, flags, r);
    TRect main = d;
    b->Canvas()->Font()->SetColor(0);
    b->Canvas()->Brush()->SetStyle(bsClear);
    b->Canvas()->DrawText(text, main, flags | DT_NOCLIP);
    TPixelSet set;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            EXPECT_TRUE(b->Pixel(x, y) == 0 || b->Pixel(x, y) == kSentinel) << "not crisp";
            if (b->Pixel(x, y) == 0) set.insert({x, y});
        }
    return set;
}

bool Has(const TPixelSet& s, int x, int y) {
    return s.count({x, y}) != 0;
}

} // namespace

TEST(SkinTextPaint, FitOneLineTextIsCentredVerticallyAndPlacedByTheFlags) {
    auto b = Canvas(1, 1);
    TCanvas& c = *b->Canvas();
    ASSERT_EQ(c.TextExtent("Play").cx, kPlayW);
    ASSERT_EQ(c.TextExtent("Play").cy, kPlayH);
    struct TCase {
        unsigned Flags;
        TRect In, Drawn, Out;
    };
    // (20 - 13) / 2 = 3.5, truncated to 3; (100 - 20) / 2 = 40.
    const TCase cases[] = {
        {DT_LEFT, {0, 0, 100, 20}, {0, 3, 20, 17}, {-1, 2, 21, 18}},
        {DT_CENTER, {0, 0, 100, 20}, {40, 3, 60, 17}, {39, 2, 61, 18}},
        {DT_RIGHT, {0, 0, 100, 20}, {80, 3, 100, 17}, {79, 2, 101, 18}},
        // Centring wins over right alignment.
        {DT_CENTER | DT_RIGHT, {10, 10, 50, 30}, {20, 13, 40, 27}, {19, 12, 41, 28}},
        // Taller text than room: (10 - 13) / 2 = -1.5 truncates toward zero,
        // so the edges move out by 1.
        {DT_LEFT, {5, 0, 50, 10}, {5, -1, 25, 11}, {4, -2, 26, 12}},
    };
    for (const TCase& k : cases) {
        TRect r = k.In;
        const TRect d = FitTextRect(c, "Play", k.Flags, r);
        EXPECT_TRUE(d == k.Drawn) << "flags " << k.Flags << ": " << d.Left << "," << d.Top << ","
                                  << d.Right << "," << d.Bottom;
        EXPECT_TRUE(r == k.Out) << "flags " << k.Flags;
    }
}

TEST(SkinTextPaint, FitWordBreakKeepsTheRectangleAndEmptyTextIsStillFitted) {
    auto b = Canvas(100, 40);
    TRect r = {0, 0, 100, 40};
    WriteText(*b->Canvas(), "Play the game", {}, DT_WORDBREAK | DT_CENTER, r);
    EXPECT_TRUE(r == (TRect{0, 0, 100, 40}));
    EXPECT_FALSE(UntouchedOutside(*b, {0, 0, 0, 0})) << "the text was drawn";
    EXPECT_EQ(b->Canvas()->Brush()->Style(), bsClear);

    auto e = Canvas(100, 20);
    TRect er = {0, 0, 100, 20};
    WriteText(*e->Canvas(), "", {}, DT_LEFT, er);
    // No width; the height of a line, centred.
    EXPECT_TRUE(er == (TRect{-1, 2, 1, 18}));
    EXPECT_TRUE(UntouchedOutside(*e, {0, 0, 0, 0}));
}

TEST(SkinTextPaint, ContoursDrawnLeftTopRightBottomThenTheText) {
    const std::string text = "x";
    const TPixelSet glyph = GlyphPixels(text, DT_CENTER);
    ASSERT_FALSE(glyph.empty());
    const TColor left = RGBColor(255, 0, 0), top = RGBColor(0, 255, 0), right = RGBColor(0, 0, 255),
                 bottom = RGBColor(255, 255, 0), main = RGBColor(9, 9, 9);
    TsTextLook look;
    look.UseColors = true;
    look.Colors = {main, left, top, right, bottom};
    auto b = Canvas();
    TRect r = kArea;
    WriteText(*b->Canvas(), text, look, DT_CENTER, r);

    // Later copies cover earlier ones; the text covers them all. An "x" has
    // pixels that two sides reach, so a wrong order shows.
    int shared = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const bool l = Has(glyph, x + 1, y), t = Has(glyph, x, y + 1),
                       rt = Has(glyph, x - 1, y), bt = Has(glyph, x, y - 1);
            TColor want = kSentinel;
            if (Has(glyph, x, y))
                want = main;
            else if (bt)
                want = bottom;
            else if (rt)
                want = right;
            else if (t)
                want = top;
            else if (l)
                want = left;
            if (!Has(glyph, x, y) && l + t + rt + bt >= 2) ++shared;
            ASSERT_EQ(b->Pixel(x, y), want) << "at " << x << "," << y;
        }
    EXPECT_GT(shared, 0);
}

TEST(SkinTextPaint, UnsetContourSidesAndPlainLooksDrawOnlyTheText) {
    const TPixelSet glyph = GlyphPixels("x", DT_LEFT);
    TsTextLook noSides;
    noSides.UseColors = true;
    noSides.Colors.Text = RGBColor(1, 2, 3);
    TsTextLook plain; // no section: the font's own colour
    plain.Colors = {RGBColor(1, 2, 3), 0, 0, 0, 0};
    for (const TsTextLook& look : {noSides, plain}) {
        auto b = Canvas();
        b->Canvas()->Font()->SetColor(RGBColor(7, 8, 9));
        TRect r = kArea;
        WriteText(*b->Canvas(), "x", look, DT_LEFT, r);
        const TColor ink = look.UseColors ? RGBColor(1, 2, 3) : RGBColor(7, 8, 9);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                ASSERT_EQ(b->Pixel(x, y), Has(glyph, x, y) ? ink : kSentinel);
    }
}

TEST(SkinTextPaint, DisabledTextIsEmbossed) {
    const TPixelSet glyph = GlyphPixels("x", DT_LEFT);
    TsTextLook look;
    look.Enabled = false;
    look.UseColors = true;
    look.Colors = {RGBColor(1, 2, 3), RGBColor(255, 0, 0), 0, 0, 0};
    auto b = Canvas();
    TRect r = kArea;
    WriteText(*b->Canvas(), "x", look, DT_LEFT, r);
    const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            TColor want = kSentinel;
            if (Has(glyph, x, y))
                want = shadow;
            else if (Has(glyph, x - 1, y - 1))
                want = highlight;
            ASSERT_EQ(b->Pixel(x, y), want) << "at " << x << "," << y;
        }
}

TEST(SkinTextPaint, CutTheEllipsisStartsWhereTheTextNoLongerFits) {
    auto b = Canvas(1, 1);
    TCanvas& c = *b->Canvas();
    const std::string text = "Options";
    const int whole = c.TextWidth(text);
    EXPECT_EQ(CutText(c, text, whole), text);
    EXPECT_EQ(CutText(c, text, whole + 50), text);
    // One pixel less: the longest start that fits with the dots.
    const std::string cut = CutText(c, text, whole - 1);
    ASSERT_GE(cut.size(), 4u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    const std::string kept = cut.substr(0, cut.size() - 3);
    EXPECT_EQ(text.compare(0, kept.size(), kept), 0);
    EXPECT_LE(c.TextWidth(cut), whole - 1);
    EXPECT_GT(c.TextWidth(text.substr(0, kept.size() + 1) + "..."), whole - 1);
    // Exactly one character with the dots, and one pixel less than that.
    const int one = c.TextWidth("O...");
    EXPECT_EQ(CutText(c, text, one), "O...");
    EXPECT_EQ(CutText(c, text, one - 1), "");
    EXPECT_EQ(CutText(c, text, 0), "");
    EXPECT_EQ(CutText(c, text, -5), "");
    EXPECT_EQ(CutText(c, "", 100), "");
}

TEST(SkinTextPaint, CutDropsWholeCharactersOfUtf8Text) {
    auto b = Canvas(1, 1);
    TCanvas& c = *b->Canvas();
    const std::string text = "Op\xC3\xA7\xC3\xB5"
                             "es"; // "Opções"
    const int upToC = c.TextWidth("Op\xC3\xA7...");
    EXPECT_EQ(CutText(c, text, upToC), "Op\xC3\xA7...");
    EXPECT_EQ(CutText(c, text, upToC - 1), "Op...");
}

// DrawText layout for each flag: measuring, breaking, tabs, prefixes,
// placement, clipping and ellipsis.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "framework/component/Utf8.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFontEngine.h"

namespace {

struct DrawText : ::testing::Test {
    TBitmap bmp{80, 40};
    TCanvas* c = nullptr;
    void SetUp() override {
        Clear();
        c = bmp.Canvas();
        c->Brush()->SetStyle(bsClear);
        c->Font()->SetColor(clBlack);
    }
    void Clear() { bmp.Pixels().Fill(0xFFFFFF); }
    std::vector<std::string> Lines(const std::string& text, int width, unsigned flags) {
        std::vector<std::string> out;
        for (const TTextLine& l : LayoutText(c->Glyphs(), Utf8Decode(text), width, flags))
            out.push_back(Utf8Encode(l.Text));
        return out;
    }
    // The bounding box of every non-white pixel.
    TRect Ink() {
        TRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                if (bmp.Pixel(x, y) != 0xFFFFFF) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
    TRect InkOf(const std::string& text, TRect rect, unsigned flags) {
        Clear();
        c->DrawText(text, rect, flags);
        return Ink();
    }
};

TEST_F(DrawText, CalcRectMeasuresLinesAndKeepsTheTopLeft) {
    TRect r{3, 4, 50, 5};
    EXPECT_EQ(c->DrawText("Hello", r, DT_CALCRECT | DT_SINGLELINE), 13);
    EXPECT_EQ(r, (TRect{3, 4, 3 + c->TextWidth("Hello"), 17}));
    r = {0, 0, 10, 10};
    EXPECT_EQ(c->DrawText("a\nbb\r\nccc", r, DT_CALCRECT), 39);
    EXPECT_EQ(r, (TRect{0, 0, c->TextWidth("ccc"), 39}));
    r = {5, 5, 60, 60};
    EXPECT_EQ(c->DrawText("", r, DT_CALCRECT), 0);
    EXPECT_EQ(r, (TRect{5, 5, 5, 5}));
    EXPECT_EQ(Ink().Right, INT32_MIN); // nothing drawn
}

TEST_F(DrawText, WordBreakAtSpacesAndLongWordsStayWhole) {
    int fits = c->TextWidth("one two");
    EXPECT_EQ(Lines("one two three", fits, DT_WORDBREAK),
              (std::vector<std::string>{"one two", "three"}));
    EXPECT_EQ(Lines("one two   three", fits - 1, DT_WORDBREAK),
              (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(Lines("one two three", fits - 1, DT_WORDBREAK | DT_SINGLELINE),
              (std::vector<std::string>{"one two three"}));
    EXPECT_EQ(Lines("abcdefgh ij\nk", 10, DT_WORDBREAK),
              (std::vector<std::string>{"abcdefgh", "ij", "k"}));
    TRect r{0, 0, 10, 0};
    EXPECT_EQ(c->DrawText("abcdefgh ij", r, DT_CALCRECT | DT_WORDBREAK), 26);
    EXPECT_EQ(r.Right, c->TextWidth("abcdefgh"));
}

TEST_F(DrawText, TabsExpandToEightAverageCharacters) {
    int tab = 8 * c->TextMetrics().AveCharWidth;
    EXPECT_EQ(LineWidth(c->Glyphs(), U"a\tb", DT_EXPANDTABS), tab + c->TextWidth("b"));
    EXPECT_EQ(LineWidth(c->Glyphs(), U"a\tb", 0), c->TextWidth("ab"));
    TRect r{0, 0, 200, 0};
    c->DrawText("a\tb", r, DT_CALCRECT | DT_EXPANDTABS);
    EXPECT_EQ(r.Right, tab + c->TextWidth("b"));
    // The text after the tab starts at the stop.
    TRect ink = InkOf("\tb", {0, 0, 80, 40}, DT_EXPANDTABS);
    EXPECT_GE(ink.Left, tab);
    EXPECT_LT(ink.Left, tab + 2);
}

TEST_F(DrawText, PrefixesUnderlineOrShowAsTheyAre) {
    auto layout = LayoutText(c->Glyphs(), U"&File a&&b", 100, 0);
    ASSERT_EQ(layout.size(), 1u);
    EXPECT_EQ(Utf8Encode(layout[0].Text), "File a&b");
    EXPECT_EQ(layout[0].Underline, 0);
    EXPECT_EQ(Lines("&File", 100, DT_NOPREFIX), (std::vector<std::string>{"&File"}));
    EXPECT_EQ(LayoutText(c->Glyphs(), U"&File", 100, DT_HIDEPREFIX)[0].Underline, -1);
    EXPECT_EQ(Lines("end&", 100, 0), (std::vector<std::string>{"end"}));

    // The underline is a row below the baseline, as wide as the letter.
    const TFontMetrics& m = c->TextMetrics();
    int row = m.Ascent + m.UnderlineOffset;
    TRect r{0, 0, 80, 40};
    c->DrawText("_&x", r, DT_SINGLELINE);
    int x0 = c->TextWidth("_"), x1 = x0 + c->TextWidth("x");
    for (int x = x0; x < x1; ++x)
        EXPECT_EQ(bmp.Pixel(x, row), clBlack) << x;
    Clear();
    c->DrawText("_&x", r, DT_SINGLELINE | DT_HIDEPREFIX);
    for (int x = x0; x < x1; ++x)
        EXPECT_EQ(bmp.Pixel(x, row), clWhite) << x;
}

TEST_F(DrawText, HorizontalAndVerticalPlacement) {
    const std::string t = "Hi";
    int w = c->TextWidth(t);
    TRect base = InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE);
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE | DT_CENTER), base.Offset((41 - w) / 2, 0));
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE | DT_RIGHT), base.Offset(41 - w, 0));
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE | DT_VCENTER), base.Offset(0, 10));
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE | DT_BOTTOM), base.Offset(0, 20));
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_VCENTER), base); // only single lines move down
    EXPECT_EQ(InkOf(t, {0, 0, 41, 33}, DT_SINGLELINE | DT_RTLREADING), base);
    TRect r{0, 0, 41, 33};
    EXPECT_EQ(c->DrawText(t, r, DT_SINGLELINE | DT_VCENTER), 23);
    EXPECT_EQ(c->DrawText("a\nb", r, DT_CENTER), 26);
}

TEST_F(DrawText, ClippedToTheRectangleUnlessNoClip) {
    TRect r{0, 0, 5, 40};
    EXPECT_LE(InkOf("Hello", r, 0).Right, 5);
    EXPECT_GT(InkOf("Hello", r, DT_NOCLIP).Right, 5);
}

TEST_F(DrawText, OpaqueBrushFillsEachLineExtent) {
    c->Brush()->SetColor(clYellow);
    TRect r{10, 10, 80, 40};
    c->DrawText("ab\nabc", r, DT_CENTER);
    int w2 = c->TextWidth("ab"), w3 = c->TextWidth("abc");
    int x2 = (10 + 80 - w2) / 2, x3 = (10 + 80 - w3) / 2;
    EXPECT_EQ(bmp.Pixel(x2, 10), clYellow);
    EXPECT_EQ(bmp.Pixel(x2 - 1, 10), clWhite);
    EXPECT_EQ(bmp.Pixel(x3 + w3 - 1, 25), clYellow);
    EXPECT_EQ(bmp.Pixel(x3 + w3, 25), clWhite);
    EXPECT_EQ(bmp.Pixel(x3, 36), clWhite);
}

TEST_F(DrawText, EndEllipsisShortensWideLines) {
    int width = c->TextWidth("Hello...");
    auto lines = Lines("Hello world", width, DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_EQ(lines, (std::vector<std::string>{"Hello..."}));
    EXPECT_EQ(Lines("Hi", width, DT_END_ELLIPSIS), (std::vector<std::string>{"Hi"}));
}

} // namespace

// Fonts and text: Tahoma from the Windows core fonts, height conventions,
// crisp strikes, and DrawText layout for each flag.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>

#include "framework/component/TClassRegistry.h"
#include "framework/component/Utf8.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/graphics/TFontEngine.h"

namespace {

TEST(Fonts, TahomaResolvesToTheRealFileAndItsBoldFace) {
    TFontEngine& e = TFontEngine::Instance();
    TFontMatch regular = e.Resolve("Tahoma", 0);
    EXPECT_EQ(regular.File, "/usr/share/wine/fonts/tahoma.ttf");
    EXPECT_FALSE(regular.Substituted);
    EXPECT_EQ(e.Resolve("MS Sans Serif", 0).File, regular.File);
    TFontMatch bold = e.Resolve("tahoma", fsBold);
    EXPECT_EQ(bold.File, "/usr/share/wine/fonts/tahomabd.ttf");
    EXPECT_FALSE(e.Cache("Tahoma", -11, fsBold).SyntheticBold());
    EXPECT_TRUE(e.Cache("Tahoma", -11, fsItalic).SyntheticItalic());
}

TEST(Fonts, UnknownFamilyFallsBackAndSaysSo) {
    TFontMatch m = TFontEngine::Instance().Resolve("No Such Family Anywhere", 0);
    EXPECT_TRUE(m.Substituted);
    EXPECT_FALSE(m.File.empty());
    EXPECT_TRUE(m.Family == "Liberation Sans" || m.Family == "DejaVu Sans") << m.Family;
}

TEST(Fonts, HeightConventions) {
    TFont f;
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    TGlyphCache& em = TFontEngine::Instance().Cache("Tahoma", -11, 0);
    EXPECT_EQ(em.Metrics().PixelSize, 11);
    EXPECT_EQ(em.Metrics().Ascent, 11);
    EXPECT_EQ(em.Metrics().Height, 13);
    // A positive height is the cell: 13 is the same font as -11.
    TGlyphCache& cell = TFontEngine::Instance().Cache("Tahoma", 13, 0);
    EXPECT_EQ(cell.Metrics().PixelSize, 11);
    EXPECT_EQ(cell.Metrics().Height, 13);
    // Absurd heights are bounded rather than overflowing.
    EXPECT_EQ(TFontEngine::Instance().Cache("Tahoma", INT32_MIN, 0).Metrics().PixelSize, 1000);
}

TEST(Fonts, ChangesAreReported) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetStyle(fsBold | fsUnderline);
    f.SetStyle(fsBold | fsUnderline);
    TFont other;
    other.SetColor(clRed);
    f.Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.Style(), 0u);
}

struct FontReadContext : TReadContext {
    TComponent* Root() const override { return nullptr; }
    void AddFixup(const std::string&, std::function<void(TComponent*)>) override {}
    void Raise(const std::string& message) const override { throw std::runtime_error(message); }
};

TValue Ident(const std::string& s) {
    TValue v;
    v.Kind = TValueKind::vkIdent;
    v.Str = s;
    return v;
}

TEST(Fonts, FormDefinitionValues) {
    TFont f;
    FontReadContext ctx;
    const TClassInfo* info = f.ClassInfo();
    auto set = [&](const std::string& name, const TValue& v) {
        info->FindProp(name)->Set(f, v, ctx);
    };
    set("Color", Ident("clHighlight"));
    EXPECT_EQ(f.Color(), clHighlight);
    TValue number;
    number.Int = 13744054;
    set("color", number);
    EXPECT_EQ(f.Color(), 13744054);
    TValue styles;
    styles.Kind = TValueKind::vkSet;
    styles.Items = {"fsBold", "fsUnderline"};
    set("Style", styles);
    EXPECT_EQ(f.Style(), fsBold | fsUnderline);
    set("Charset", Ident("DEFAULT_CHARSET"));
    set("Pitch", Ident("fpVariable"));
    number.Int = 12;
    set("Size", number);
    EXPECT_EQ(f.Height(), -16);
    EXPECT_THROW(set("Color", Ident("clNoSuchColour")), std::runtime_error);
    styles.Items = {"fsBlinking"};
    EXPECT_THROW(set("Style", styles), std::runtime_error);
    EXPECT_THROW(set("Height", Ident("big")), std::runtime_error);
    EXPECT_EQ(f.Style(), fsBold | fsUnderline); // a failed value changes nothing
}

TEST(Text, Tahoma11IsCrispAndMeasuresAsDrawn) {
    TBitmap bmp(60, 15);
    bmp.Pixels().Fill(0xFFFFFF);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    EXPECT_TRUE(c->Glyphs().UsesBitmapStrike());
    c->TextOut(0, 0, "Hello");
    std::set<TColor> colours;
    int right = 0;
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 60; ++x) {
            colours.insert(bmp.Pixel(x, y));
            if (bmp.Pixel(x, y) != 0xFFFFFF) right = std::max(right, x + 1);
        }
    EXPECT_EQ(colours, (std::set<TColor>{0, 0xFFFFFF}));
    EXPECT_LE(right, c->TextWidth("Hello"));
    EXPECT_GT(right, c->TextWidth("Hello") - 3);
    EXPECT_EQ(c->TextHeight("Hello"), 13);
}

TEST(Text, LargeSizesAreAntiAliased) {
    TBitmap bmp(40, 30);
    bmp.Pixels().Fill(0xFFFFFF);
    TCanvas* c = bmp.Canvas();
    c->Font()->SetHeight(-20);
    c->Font()->SetColor(clBlack);
    EXPECT_FALSE(c->Glyphs().UsesBitmapStrike());
    c->TextOut(0, 0, "O");
    std::set<TColor> colours;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            colours.insert(bmp.Pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
}

} // namespace

namespace {

struct DrawTextTest : ::testing::Test {
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

TEST_F(DrawTextTest, CalcRectMeasuresLinesAndKeepsTheTopLeft) {
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

TEST_F(DrawTextTest, WordBreakAtSpacesAndLongWordsStayWhole) {
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

TEST_F(DrawTextTest, TabsExpandToEightAverageCharacters) {
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

TEST_F(DrawTextTest, PrefixesUnderlineOrShowAsTheyAre) {
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

TEST_F(DrawTextTest, HorizontalAndVerticalPlacement) {
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

TEST_F(DrawTextTest, ClippedToTheRectangleUnlessNoClip) {
    TRect r{0, 0, 5, 40};
    EXPECT_LE(InkOf("Hello", r, 0).Right, 5);
    EXPECT_GT(InkOf("Hello", r, DT_NOCLIP).Right, 5);
}

TEST_F(DrawTextTest, OpaqueBrushFillsEachLineExtent) {
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

TEST_F(DrawTextTest, EndEllipsisShortensWideLines) {
    int width = c->TextWidth("Hello...");
    auto lines = Lines("Hello world", width, DT_END_ELLIPSIS | DT_SINGLELINE);
    EXPECT_EQ(lines, (std::vector<std::string>{"Hello..."}));
    EXPECT_EQ(Lines("Hi", width, DT_END_ELLIPSIS), (std::vector<std::string>{"Hi"}));
}

} // namespace

// The mini-HTML of hint texts: runs and their widths, bold and italic,
// fonts pushed and popped with their size and colour, line breaks, and what
// bad markup does (unclosed tags, sizes that are no numbers).

#include <gtest/gtest.h>

#include "framework/component/SysUtils.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "hints/TsHtml.h"

namespace {

constexpr uint32_t kPaper = 0xFFFFFF;

class HintHtml : public ::testing::Test {
protected:
    void SetUp() override {
        Bitmap.Pixels().Fill(kPaper);
        Canvas()->Font()->SetName("Tahoma");
        Canvas()->Font()->SetHeight(-11);
        Canvas()->Font()->SetColor(0);
    }
    TCanvas* Canvas() { return Bitmap.Canvas(); }
    TRect Render(const std::string& text, TRect area = {0, 0, 300, 0}) {
        TsHtml html;
        html.Prepare(&Bitmap, text, area);
        TRect out;
        html.Render(out);
        return out;
    }
    int Width(const std::string& run, unsigned style = 0) {
        TBitmap probe(1, 1);
        probe.Canvas()->SetFont(*Canvas()->Font());
        probe.Canvas()->Font()->SetStyle(style);
        return probe.Canvas()->TextWidth(run);
    }
    int LineHeight() { return Canvas()->TextHeight("X"); }
    // How many pixels of the colour lie in the columns [from, to).
    int Count(uint32_t color, int from, int to) const {
        int n = 0;
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = from; x < to; ++x)
                n += Bitmap.Pixels().Pixel(x, y) == color;
        return n;
    }

    TBitmap Bitmap{300, 60};
};

} // namespace

TEST_F(HintHtml, RunsLineUpOnOneLineAndTwoOpenBracketsPutOutOne) {
    EXPECT_EQ(Render("a<<b"), TRect(0, 0, Width("a<b"), LineHeight()));
    // A line feed does not break the line; carriage returns and line feeds are left out.
    EXPECT_EQ(Render("ab\r\ncd"), TRect(0, 0, Width("abcd"), LineHeight()));
    // Unknown tags are dropped without a trace.
    EXPECT_EQ(Render("<X>ab</X><Y a=1>"), TRect(0, 0, Width("ab"), LineHeight()));
    // Drawing starts at the area's corner; the width is where the line ended.
    EXPECT_EQ(Render("ab", {10, 5, 300, 0}), TRect(0, 0, 10 + Width("ab"), 5 + LineHeight()));
}

TEST_F(HintHtml, BoldAndItalicSwitchOnlyTheirOwnStyle) {
    const int expected = Width("a ") + Width("bold", fsBold) + Width(" c");
    EXPECT_EQ(Render("a <B>bold</B> c").Right, expected);
    EXPECT_EQ(Render("a <b>bold</b> c").Right, expected);
    EXPECT_EQ(Canvas()->Font()->Style(), 0u);
    // Nesting is not counted: one closing tag ends both openings.
    Render("<i><i>x</i>");
    EXPECT_EQ(Canvas()->Font()->Style(), 0u);
    Render("<b><i>x</b>");
    EXPECT_EQ(Canvas()->Font()->Style(), static_cast<unsigned>(fsItalic));
}

TEST_F(HintHtml, AFontTagColoursAndSizesItsTextUntilItCloses) {
    const int before = Width("ab ");
    Render("ab <font color=\"#0000FF\" size=+2>RED</font> cd");
    // Low byte red: the digits 0000FF are pure red.
    const uint32_t red = 0x0000FF;
    EXPECT_GT(Count(red, before, before + 40), 10);
    EXPECT_EQ(Count(red, 0, before), 0);
    EXPECT_EQ(Canvas()->Font()->Color(), 0);
    EXPECT_EQ(Canvas()->Font()->Height(), -11);

    const int size = Canvas()->Font()->Size();
    TsHtml html;
    html.Prepare(&Bitmap, "<FONT SIZE=+2 COLOR=navy FACE=\"Tahoma\">x", {0, 0, 300, 0});
    TRect out;
    html.Render(out);
    EXPECT_EQ(Canvas()->Font()->Size(), size + 2);
    EXPECT_EQ(Canvas()->Font()->Color(), 0x800000);
    // A closing tag with nothing saved changes nothing.
    Render("</FONT></FONT>x");
    EXPECT_EQ(Canvas()->Font()->Size(), size + 2);
}

TEST_F(HintHtml, ColourWordsAreHexNamesOrNothing) {
    EXPECT_EQ(TsHtml::ParseColor("#0000FF"), 0x0000FF);
    EXPECT_EQ(TsHtml::ParseColor("FF0000"), 0xFF0000);
    EXPECT_EQ(TsHtml::ParseColor("RED"), 0x0000FF);
    EXPECT_EQ(TsHtml::ParseColor("OLIVE"), 0x008080);
    EXPECT_EQ(TsHtml::ParseColor("#12G4"), -1);
    EXPECT_EQ(TsHtml::ParseColor("ORANGE"), -1);
}

TEST_F(HintHtml, BreaksStartANewLineTwoPixelsBelowTheTallerText) {
    const int h = LineHeight();
    EXPECT_EQ(Render("one<BR>two"), TRect(0, 0, std::max(Width("one"), Width("two")), h + 2 + h));
    EXPECT_EQ(Render("one<p align=\"right\">two").Bottom, h + 2 + h);
    // A break with nothing before it only adds the gap.
    EXPECT_EQ(Render("<br>x").Bottom, 2 + h);
}

TEST_F(HintHtml, BadMarkupStopsTheWalkWithoutHarm) {
    // An unclosed tag: only the text before it is drawn, and no size is reported.
    EXPECT_EQ(Render("ab<b unclosed text"), TRect(0, 0, 100, 0));
    EXPECT_GT(Count(0, 0, Width("ab")), 0);
    EXPECT_EQ(Count(0, Width("ab") + 1, 300), 0);
    // A size that is no number is the conversion error.
    TsHtml html;
    html.Prepare(&Bitmap, "<font size=big>x", {0, 0, 300, 0});
    TRect out;
    try {
        html.Render(out);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'BIG' is not a valid integer value");
    }
    // Sizes far out of range are held to what a font can be.
    Render("<font size=+2147483647><font size=+2147483647>x");
    EXPECT_LE(Canvas()->Font()->Size(), 144);
}

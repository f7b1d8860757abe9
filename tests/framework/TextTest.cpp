// Fonts and text: Tahoma from the Windows core fonts, height conventions,
// crisp strikes, and DrawText layout for each flag.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/DrawText.h"
#include "framework/Graphics.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TFontEngine.h"
#include "framework/Utf8.h"

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
        for (int x = 0; x < 40; ++x) colours.insert(bmp.Pixel(x, y));
    EXPECT_GT(colours.size(), 3u);
}

} // namespace

// Fonts: Tahoma from the Windows core fonts, height conventions, values from
// form definitions, crisp strikes at small sizes and smooth text at large ones.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>

#include "framework/component/TClassRegistry.h"
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

TEST(Fonts, Tahoma11TextIsCrispAndMeasuresAsDrawn) {
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

TEST(Fonts, TextInLargeSizesIsAntiAliased) {
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

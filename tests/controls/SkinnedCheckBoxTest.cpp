// The skinned check box: its automatic size, the glyph's place and state,
// user glyphs, toggling by mouse, Space and the set-check request, the
// read-only box, the picture kept between paints, and golden images.

#include "ButtonFixture.h"
#include "FieldFixture.h"

#include "controls/TsCheckBox.h"
#include "framework/graphics/TCanvas.h"
#include "platform/VirtualKeys.h"

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000;

class SkinnedCheckBox : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        C = AddField<TsCheckBox>({20, 20, 53, 19});
        C->SetCaption("Efeito");
        Show();
    }
    // Picks the box by the middle of its glyph.
    TPoint GlyphMiddle() {
        const TRect g = C->GlyphRect();
        return {(g.Left + g.Right) / 2, (g.Top + g.Bottom) / 2};
    }
    void Click() {
        const TPoint p = GlyphMiddle();
        Press(C, p.X, p.Y);
        Release(C, p.X, p.Y);
    }
    TsCheckBox* C = nullptr;
};

} // namespace

TEST_F(SkinnedCheckBox, AutoSizeFollowsGlyphAndCaption) {
    const TSize g = C->GlyphSize();
    ASSERT_GT(g.cx, 0);
    TBitmap scratch;
    scratch.Canvas()->SetFont(*C->Font());
    const TSize text = scratch.Canvas()->TextExtent("Efeito");
    EXPECT_EQ(C->Width(), g.cx + 4 + text.cx + 5);
    EXPECT_EQ(C->Height(), std::max(g.cy, text.cy + 4) + 2);
    C->SetCaption("");
    EXPECT_EQ(C->Width(), g.cx + 4);
    EXPECT_EQ(C->Height(), g.cy + 2);
    C->SetAutoSize(false);
    C->SetBounds(20, 20, 80, 30);
    C->SetMargin(5);
    EXPECT_EQ(C->Width(), 80);
}

TEST_F(SkinnedCheckBox, TheGlyphStandsByItsAlignment) {
    const TSize g = C->GlyphSize();
    EXPECT_EQ(C->GlyphRect(),
              Rect(2, (C->Height() - g.cy) / 2, 2 + g.cx, (C->Height() - g.cy) / 2 + g.cy));
    C->SetAlignment(taLeftJustify);
    EXPECT_EQ(C->GlyphRect().Left, C->Width() - g.cx - 2);
    EXPECT_EQ(C->GlyphRect().Right, C->Width() - 2);
}

TEST_F(SkinnedCheckBox, MouseSpaceAndSetCheckChangeTheState) {
    Click();
    EXPECT_TRUE(C->Checked());
    C->SetFocus();
    Pump();
    Host->InjectKeyDown(Form->HostWindow(), VK_SPACE);
    Pump();
    EXPECT_TRUE(C->Pressed());
    EXPECT_EQ(C->GlyphState(), psPressed);
    Host->InjectKeyUp(Form->HostWindow(), VK_SPACE);
    Pump();
    EXPECT_FALSE(C->Pressed());
    EXPECT_FALSE(C->Checked());
    C->SetAllowGrayed(true);
    Key(VK_SPACE);
    EXPECT_EQ(C->State(), cbGrayed);
    C->Perform(BM_SETCHECK, 1);
    EXPECT_EQ(C->State(), cbChecked);
    C->Perform(BM_SETCHECK, 7);
    EXPECT_EQ(C->State(), cbGrayed);
    C->Perform(BM_SETCHECK, 0);
    EXPECT_EQ(C->State(), cbUnchecked);
    // The picture kept between paints is the one a fresh render draws.
    Pump();
    TBitmap kept;
    kept.Assign(*C->SkinData()->CacheBmp());
    C->SkinData()->BGChanged = true;
    C->Repaint();
    EXPECT_TRUE(SameBitmap(kept, *C->SkinData()->CacheBmp()));
}

TEST_F(SkinnedCheckBox, AReadOnlyBoxIgnoresClicksSpaceAndTheMouse) {
    C->SetReadOnly(true);
    Pump();
    const TPoint p = GlyphMiddle();
    const TColor before = OnScreen(C, p.X, p.Y);
    MoveTo(C, p.X, p.Y);
    EXPECT_EQ(C->GlyphState(), psNormal);
    EXPECT_EQ(OnScreen(C, p.X, p.Y), before);
    Press(C, p.X, p.Y);
    EXPECT_FALSE(C->Pressed());
    Release(C, p.X, p.Y);
    EXPECT_FALSE(C->Checked());
    Key(VK_SPACE);
    EXPECT_FALSE(C->Checked());
    EXPECT_EQ(OnScreen(C, p.X, p.Y), before);
}

TEST_F(SkinnedCheckBox, UserGlyphsShowTheThirdOfTheirState) {
    // Three 8 x 8 looks side by side over an unused row; one see-through pixel.
    TBitmap glyph(24, 16);
    const TColor looks[] = {Red, Green, Blue};
    for (int i = 0; i < 3; ++i) {
        glyph.Canvas()->Brush()->SetColor(looks[i]);
        glyph.Canvas()->FillRect(Bounds(i * 8, 0, 8, 16));
    }
    glyph.SetPixel(0, 0, glyph.TransparentColor);
    C->SetGlyphChecked(glyph);
    C->SetGlyphUnChecked(glyph);
    Pump();
    EXPECT_EQ(C->GlyphSize(), (TSize{8, 8}));
    const TRect g = C->GlyphRect();
    const TColor under = OnScreen(C, g.Left - 1, g.Top);
    EXPECT_EQ(OnScreen(C, g.Left + 1, g.Top + 1), Red);
    EXPECT_EQ(OnScreen(C, g.Right - 1, g.Bottom - 1), Red);
    EXPECT_NE(OnScreen(C, g.Right, g.Bottom - 1), Red);
    EXPECT_NE(OnScreen(C, g.Left, g.Top), glyph.TransparentColor);
    EXPECT_EQ(OnScreen(C, g.Left, g.Top), under);
    MoveTo(C, g.Left + 1, g.Top + 1);
    EXPECT_EQ(OnScreen(C, g.Left + 1, g.Top + 1), Green);
    Press(C, g.Left + 1, g.Top + 1);
    EXPECT_EQ(OnScreen(C, g.Left + 1, g.Top + 1), Blue);
    Release(C, g.Left + 1, g.Top + 1);
}

TEST_F(SkinnedCheckBox, EachStateMatchesItsGoldenImage) {
    ExpectGolden(C, "checkbox-unchecked");
    C->SetChecked(true);
    Pump();
    ExpectGolden(C, "checkbox-checked");
    const TPoint p = GlyphMiddle();
    MoveTo(C, p.X, p.Y);
    ExpectGolden(C, "checkbox-hot");
    MoveTo(C, -20, -20);
    C->SetAllowGrayed(true);
    C->SetState(cbGrayed);
    Pump();
    ExpectGolden(C, "checkbox-grayed");
    C->SetState(cbChecked);
    C->SetFocus();
    Pump();
    ExpectGolden(C, "checkbox-focused");
    Away->SetFocus();
    C->SetEnabled(false);
    Pump();
    ExpectGolden(C, "checkbox-disabled");
}

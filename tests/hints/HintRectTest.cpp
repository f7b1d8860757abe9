// The size of a hint window around its text for each style: margins,
// bevel, the shadow's room, the tail's room and the ellipse's growth.

#include "tests/hints/HintFixture.h"

#include <cmath>

#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"

namespace {

class HintRect : public HintFixture {
protected:
    void SetUp() override {
        HintFixture::SetUp();
        TsHintKind* k = Manager->HintKind();
        k->SetMarginH(6);
        k->SetMarginV(12);
        k->SetBevelWidth(1);
        k->SetExOffset(26);
        k->SetShadowEnabled(true);
        k->SetShadowOffset(16);
    }
    TSize Text(const std::string& s) {
        TBitmap probe(1, 1);
        probe.Canvas()->SetFont(*Manager->HintKind()->Font());
        TRect r{0, 0, Manager->HintKind()->Look().MaxWidth, 0};
        probe.Canvas()->DrawText(s, r,
                                 DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
        return {r.Width(), r.Height()};
    }
    TSize Shown(TsHintStyle style, const std::string& text = "OK") {
        Manager->HintKind()->SetStyle(style);
        TsCustomHintWindow* w = ShowHint(text);
        if (!w || !w->Visible()) return {};
        return {w->Width(), w->Height()};
    }
};

} // namespace

TEST_F(HintRect, AShortHintInAnEllipseIsFiftyWideBeforeItsMarginsAndGrowth) {
    const TSize text = Text("OK");
    ASSERT_LT(text.cx, 50);
    // 50 + shadow 16 + 2 * (6 + 1) across, text + 16 + 2 * (12 + 1) + 26 down,
    // then grown so that the ellipse holds the rectangle.
    const double w = 50 + 16 + 14, h = text.cy + 16 + 26 + 26;
    const double d = std::sqrt(w * w + h * h) - w;
    const TSize expected{static_cast<int>(w + std::lround(w * d / h)),
                         static_cast<int>(h + std::lround(h * d / w))};
    EXPECT_EQ(Shown(hsEllipse), expected);
    EXPECT_EQ(Shown(hsBalloon), expected);
}

TEST_F(HintRect, TheComicsAddsItsTailAndTheSimplyOnlyMarginsAndShadow) {
    const TSize text = Text("OK");
    EXPECT_EQ(Shown(hsSimply), TSize(text.cx + 16 + 14, text.cy + 16 + 26));
    EXPECT_EQ(Shown(hsComics), TSize(text.cx + 16 + 14, text.cy + 16 + 26 + 26));
    // Without a shadow no room is kept for it.
    Manager->HintKind()->SetShadowEnabled(false);
    EXPECT_EQ(Shown(hsComics), TSize(text.cx + 14, text.cy + 26 + 26));
    // A long text wraps at MaxWidth.
    Manager->HintKind()->SetMaxWidth(60);
    const std::string longText = "Digite aqui o login para que quando voce entre no jogo";
    EXPECT_EQ(Shown(hsSimply, longText), TSize(Text(longText).cx + 14, Text(longText).cy + 26));
    EXPECT_LE(Text(longText).cx, 60);
}

TEST_F(HintRect, TheNoneStyleShowsNothingAndTheStandardOneThePlainWindow) {
    Manager->HintKind()->SetStyle(hsNone);
    EXPECT_EQ(TsHintManager::Active(), nullptr);
    TsCustomHintWindow* none = ShowHint();
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(none->Visible());
    Manager->HintKind()->SetStyle(hsStandard);
    Move(Target, 150, 5);
    Move(Target, 5, 20);
    Advance(500);
    ASSERT_NE(App->HintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TsCustomHintWindow*>(App->HintWindow()), nullptr);
    EXPECT_TRUE(App->HintWindow()->Visible());
}

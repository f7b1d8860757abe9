// Golden pictures of each shaped style, with its preset look, as it stands
// on the screen over a known desktop: shape, soft edge, shadow, bevel, text.

#include "tests/hints/HintFixture.h"

#include "tests/GoldenImage.h"

class HintGolden : public HintFixture {};

TEST_F(HintGolden, EachStyleOverAKnownDesktop) {
    const struct {
        TsHintsPredefinitions Preset;
        const char* Name;
    } styles[] = {{shGradient, "hint-simply"},
                  {shComicsGradient, "hint-comics"},
                  {shEllipse, "hint-ellipse"},
                  {shBalloon, "hint-balloon"}};
    for (const auto& s : styles) {
        Manager->ApplyPredefinition(s.Preset);
        Move(Target, 150, 5);
        TsCustomHintWindow* w = ShowHint("Digite aqui o login do jogo");
        ASSERT_TRUE(w && w->Visible()) << s.Name;
        ExpectMatchesGolden(OnScreen(w), s.Name);
    }
}

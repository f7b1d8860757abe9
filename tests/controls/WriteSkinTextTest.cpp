// Captions by a control's skin data: the control's font, the section's text
// look unless the control keeps its own font colour, and the underline of a
// hot web button.

#include <gtest/gtest.h>

#include <set>

#include "SkinnedFixture.h"

namespace {

constexpr TColor kBack = 0x123456;
constexpr TColor kOwnInk = 0x0A0B0C;

class SkinText : public SkinnedTest {
protected:
    void SetUp() override {
        SkinnedTest::SetUp();
        ApplySkin();
        C = Add(Form, {10, 10, 75, 25});
        C->Font()->SetColor(kOwnInk);
    }
    // Draws "Play" as the control would and returns the colours used and the
    // number of pixels drawn.
    std::set<TColor> Draw(bool enabled, bool hot, int* drawn = nullptr) {
        Bmp.SetSize(75, 25);
        Bmp.Pixels().Fill(kBack);
        TRect r = {0, 0, 75, 25};
        WriteSkinText(Bmp.Canvas(), "Play", enabled, hot, *C->SkinData(), DT_CENTER, r);
        std::set<TColor> colours;
        int count = 0;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 75; ++x)
                if (Bmp.Pixel(x, y) != kBack) {
                    colours.insert(Bmp.Pixel(x, y));
                    ++count;
                }
        if (drawn) *drawn = count;
        return colours;
    }
    TsTestControl* C = nullptr;
    TBitmap Bmp;
};

} // namespace

TEST_F(SkinText, SectionColoursUnlessTheControlKeepsItsFont) {
    TsGeneralData& s = SkinGeneralData[C->SkinData()->SkinIndex];
    s.TCRight = 0x00FF00;
    EXPECT_EQ(Draw(true, false), (std::set<TColor>{s.FontColor, 0x00FF00}));
    C->SkinData()->SetCustomFont(true);
    EXPECT_EQ(Draw(true, false), (std::set<TColor>{kOwnInk}));
    C->SkinData()->SetSkinSection("NOSUCHSECTION");
    EXPECT_EQ(Draw(true, true), (std::set<TColor>{kOwnInk}));
    // The control's font is taken: a bigger font covers more pixels.
    int small = 0, big = 0;
    Draw(true, false, &small);
    C->Font()->SetHeight(-20);
    Draw(true, false, &big);
    EXPECT_GT(big, small);
}

TEST_F(SkinText, AHotWebButtonIsUnderlined) {
    C->SkinData()->SetSkinSection("WEBBUTTON");
    int normal = 0, hot = 0;
    Draw(true, false, &normal);
    Draw(true, true, &hot);
    EXPECT_GT(hot, normal);
    C->SkinData()->SetSkinSection("BUTTON");
    Draw(true, true, &hot);
    EXPECT_EQ(hot, normal);
}

TEST_F(SkinText, DisabledCaptionsAreEmbossedWhateverTheSection) {
    EXPECT_EQ(Draw(false, true),
              (std::set<TColor>{ColorToRGB(clBtnShadow), ColorToRGB(clBtnHighlight)}));
}

// Captions by section index: the section's normal or hot text colours and
// contours, and the font's own colour without a valid section.

#include "skin/SectionText.h"

#include <gtest/gtest.h>

#include <set>

#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "skin/SkinState.h"

namespace {

constexpr TColor kBack = 0x123456;
constexpr TColor kNormal = 0x000010, kNormalLeft = 0x0000FF;
constexpr TColor kHot = 0x001000, kHotBottom = 0x00FF00;
constexpr TColor kFont = 0x0A0B0C;

class SectionText : public ::testing::Test {
protected:
    void SetUp() override {
        ClearSkinSections();
        TsGeneralData g;
        g.SectionName = "BUTTON";
        g.FontColor = kNormal;
        g.TCLeft = kNormalLeft;
        g.HotFontColor = kHot;
        g.HotTCBottom = kHotBottom;
        SkinGeneralData.push_back(g);
    }
    void TearDown() override { ClearSkinSections(); }

    // The colours found in a caption drawn on a plain background.
    std::set<TColor> Colours(bool enabled, bool hot, int skinIndex) {
        TBitmap b(40, 20);
        b.Pixels().Fill(kBack);
        b.Canvas()->Font()->SetColor(kFont);
        TRect r = {0, 0, 40, 20};
        WriteSectionText(b.Canvas(), "Wx", enabled, hot, skinIndex, DT_CENTER, r);
        std::set<TColor> found;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (b.Pixel(x, y) != kBack) found.insert(b.Pixel(x, y));
        return found;
    }
};

} // namespace

TEST_F(SectionText, NormalAndHotLooksUseTheirOwnColoursAndContours) {
    EXPECT_EQ(Colours(true, false, 0), (std::set<TColor>{kNormal, kNormalLeft}));
    EXPECT_EQ(Colours(true, true, 0), (std::set<TColor>{kHot, kHotBottom}));
    // No section: the font's colour alone.
    EXPECT_EQ(Colours(true, false, -1), (std::set<TColor>{kFont}));
    EXPECT_EQ(Colours(true, true, 7), (std::set<TColor>{kFont}));
    EXPECT_EQ(SectionTextColors(7, false).Left, clNoContour);
}

// The frame's borders and caption for each border style, and how they agree
// with the plain frame's non-client area, so that the client stays put.

#include "FrameFixture.h"

using FrameMetrics = FrameTest;

namespace {
struct TMetricsCase {
    TFormBorderStyle Style;
    int BorderWidth, BorderHeight, Caption;
};
} // namespace

TEST_F(FrameMetrics, MetricsFollowTheBorderStyle) {
    // SM_CXFRAME and SM_CYFRAME are 4, SM_CYCAPTION 19, SM_CYSMCAPTION 15.
    const TMetricsCase cases[] = {
        {bsNone, 0, 0, 0},    {bsSingle, 3, 3, 19},     {bsSizeable, 4, 4, 19},
        {bsDialog, 3, 3, 19}, {bsToolWindow, 3, 4, 14}, {bsSizeToolWin, 4, 4, 15},
    };
    for (const TMetricsCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Style));
        Form->SetBorderStyle(c.Style);
        TsSkinProvider provider(Form);
        EXPECT_EQ(provider.SysBorderWidth(), c.BorderWidth);
        EXPECT_EQ(provider.SysBorderHeight(), c.BorderHeight);
        EXPECT_EQ(provider.CaptionHeight(), c.Caption);
        if (c.Style != bsNone) {
            EXPECT_EQ(provider.SysBorderHeight() + provider.CaptionHeight(),
                      Form->ClientInWindow().Top);
        }
    }
}

TEST_F(FrameMetrics, ButtonsTakeTheCloseCellOrTwentyOneSquare) {
    MakeFrame(bsSingle);
    EXPECT_EQ(Provider->ButtonWidth(), 23);
    EXPECT_EQ(Provider->ButtonHeight(), 18);
    EXPECT_EQ(Provider->FormWidth(), 300);
    DropMask("FORM", "BICONCLOSE");
    EXPECT_EQ(Provider->ButtonWidth(), 21);
    EXPECT_EQ(Provider->ButtonHeight(), 21);
}

TEST_F(FrameMetrics, TheFrameTakesOverTheFormAndGivesItBack) {
    Form->SetBorderIcons(biSystemMenu | biMinimize);
    MakeFrame(bsSingle);
    EXPECT_TRUE(Provider->SkinActive());
    EXPECT_EQ(Form->BorderIcons(), 0u);
    EXPECT_EQ(Provider->SavedBorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(Form->Perform(SM_VESKACMD, SkinWParam(SKC_GETPROVIDER)),
              reinterpret_cast<intptr_t>(Provider));
    delete Provider;
    EXPECT_EQ(Form->BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(Form->WindowRgn(), nullptr);
    EXPECT_EQ(Form->Perform(SM_VESKACMD, SkinWParam(SKC_GETPROVIDER)), 0);
}

// The window region: the see-through corner pixels of the frame masks are
// holes, row by row, and a skin change rebuilds picture and region.

#include "FrameFixture.h"

using FrameRegion = FrameTest;

namespace {

// Whether the mask's state-0 border cell is see-through at (col, row) of its
// top (or bottom) piece row; columns past the left piece count from the
// cell's right edge.
bool MaskSeeThrough(const TsMaskData& m, int col, int row, bool bottom) {
    const int cellH = m.R.Height() / (m.MaskType + 1);
    const int piece = cellH / 3;
    const int y = m.R.Top + (bottom ? cellH - piece : 0) + row;
    return SkinMasterBitmap->Pixel(m.R.Left + col, y) == 0xFF00FF;
}

// The holes the frame's masks put into a window w x h wide at (x, y).
bool ExpectedHole(int x, int y, int w, int h) {
    for (const TsMaskData& m : SkinMasks) {
        const bool form = m.SectionName == "FORM", title = m.SectionName == "FORMTITLE";
        if ((!form && !title) || m.PropertyName != "BORDERSMASK" || m.Bmp) continue;
        const int cellW = m.R.Width() / m.ImageCount, piece = m.R.Height() / (m.MaskType + 1) / 3;
        const int pw = cellW / 3;
        int col = -1;
        if (x < pw) col = x;
        if (x >= w - pw) col = cellW - (w - x);
        if (col < 0) continue;
        if (y < piece && MaskSeeThrough(m, col, y, false)) return true;
        if (form && y >= h - piece && MaskSeeThrough(m, col, y - (h - piece), true)) return true;
    }
    return false;
}

} // namespace

TEST_F(FrameRegion, RegionIsTheWindowLessTheSeeThroughCorners) {
    MakeFrame(bsSingle, 354, 336);
    const TRegion* rgn = Form->WindowRgn();
    ASSERT_NE(rgn, nullptr);
    int holes = 0;
    for (int y = 0; y < 336; ++y)
        for (int x = 0; x < 354; ++x) {
            const bool hole = ExpectedHole(x, y, 354, 336);
            holes += hole;
            ASSERT_EQ(rgn->Contains({x, y}), !hole) << x << "," << y;
        }
    // The skin's corners are rounded: every corner loses some pixels.
    EXPECT_GT(holes, 4);
    EXPECT_FALSE(rgn->Contains({0, 0}));
    EXPECT_FALSE(rgn->Contains({353, 335}));
    EXPECT_FALSE(Provider->RegionRects.empty());
}

TEST_F(FrameRegion, SkinChangeRebuildsPictureAndRegion) {
    MakeFrame(bsSingle);
    const TColor corner = Form->BackBuffer()->Pixel(1, 100);
    for (const char* section : {"FORM", "FORMTITLE"})
        for (TsMaskData& m : SkinMasks)
            if (m.SectionName == section && m.PropertyName == "BORDERSMASK")
                m.PropertyName = "GONE";
    Form->Perform(SM_VESKACMD, SkinWParam(SKC_SETNEWSKIN));
    Form->Perform(SM_VESKACMD, SkinWParam(SKC_REFRESH));
    EXPECT_TRUE(Provider->SkinData()->BGChanged);
    EXPECT_TRUE(Provider->RgnChanged);
    EXPECT_EQ(Provider->HotCode, -1);
    Pump();
    EXPECT_FALSE(Provider->SkinData()->BGChanged);
    // Without border masks the window is a plain rectangle and the edge is the section's fill.
    EXPECT_TRUE(Provider->RegionRects.empty());
    ASSERT_NE(Form->WindowRgn(), nullptr);
    EXPECT_EQ(*Form->WindowRgn(), TRegion(Rect(0, 0, 300, 200)));
    EXPECT_NE(Form->BackBuffer()->Pixel(1, 100), corner);
}

TEST_F(FrameRegion, ResizingMarksPictureAndRegionStale) {
    MakeFrame(bsSizeable);
    Provider->SetHot(HTCLOSE);
    Form->SetBounds(40, 30, 320, 220);
    EXPECT_EQ(Provider->HotCode, -1);
    Pump();
    EXPECT_EQ(Provider->SkinData()->CacheBmp()->Width(), 320);
    EXPECT_EQ(Provider->ButtonClose.Rect.Left, 320 - 4 - 24);
    EXPECT_FALSE(Form->WindowRgn()->Contains({319, 219}));
}

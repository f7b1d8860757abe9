// Where a hint opens against its anchor near each edge of the desktop, and
// the corner code its tail points from.

#include <gtest/gtest.h>

#include "hints/HintShapes.h"

namespace {
const TRect kDesktop{0, 0, 1024, 768};
const TSize kSize{120, 60};
} // namespace

TEST(HintPlacement, TheHintTurnsAwayFromEachEdgeItWouldLeave) {
    struct Case {
        TPoint Anchor;
        TPoint TopLeft;
        int Corner;
    };
    const Case cases[] = {
        {{100, 100}, {100, 100}, 0},  // room everywhere: below right
        {{100, 740}, {100, 680}, 1},  // bottom edge: above
        {{1000, 100}, {880, 100}, 2}, // right edge: left
        {{1000, 740}, {880, 680}, 3}, // bottom right corner: above left
        {{904, 708}, {904, 708}, 0},  // exactly fits
    };
    for (const Case& c : cases) {
        const TsHintPlacement p = PlaceHint(c.Anchor, kSize, kDesktop);
        EXPECT_EQ(p.Bounds, Bounds(c.TopLeft.X, c.TopLeft.Y, kSize.cx, kSize.cy))
            << c.Anchor.X << "," << c.Anchor.Y;
        EXPECT_EQ(p.Corner, c.Corner) << c.Anchor.X << "," << c.Anchor.Y;
    }
    // Too tall or too wide for either side: back below and right of the anchor.
    const TsHintPlacement big = PlaceHint({50, 30}, {1100, 800}, kDesktop);
    EXPECT_EQ(big.Bounds, Bounds(50, 30, 1100, 800));
    EXPECT_EQ(big.Corner, 0);
}

TEST(HintPlacement, TheTailTipSitsThreePixelsInFromTheBodysCorner) {
    TsHintGeometry g;
    g.Size = {100, 80};
    g.ShadowRoom = 7;
    g.TailRoom = 24;
    const TPoint tips[] = {{3, 3}, {3, 69}, {89, 3}, {89, 69}};
    for (int corner = 0; corner < 4; ++corner) {
        g.Corner = corner;
        EXPECT_EQ(g.Tip(), tips[corner]) << corner;
        // The tail's room is taken on the side the tail points to.
        EXPECT_EQ(g.Shape(), corner & kCornerAbove ? TRect(0, 0, 93, 49) : TRect(0, 24, 93, 73));
    }
}

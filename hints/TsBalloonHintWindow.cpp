#include "hints/TsBalloonHintWindow.h"

#include <algorithm>
#include <cmath>

#include "paint/ShapeFill.h"

namespace {

constexpr int kBubbles = 3;
// The first bubble's height, and how much each next one grows.
constexpr int kFirstBubble = 4;
constexpr int kBubbleGrowth = 3;
// A bubble is at least this much wider than high, and widens as it grows.
constexpr int kBubbleWiden = 5;
// Where along the way from the tip to the body the bubbles stand.
constexpr double kFirstStop = 0.15;
constexpr double kStopStep = 0.3;
// The body's corners take this share of its smaller side.
constexpr int kCornerShare = 3;

} // namespace

void TsBalloonHintWindow::PaintShape(TBitmap* mask, const TsShapeRing& ring) const {
    const TRect s = FGeometry.Shape();
    const int i = ring.Inset;
    const TRect r = TRect{s.Left + i, s.Top + i, s.Right - i, s.Bottom - i}.Offset(ring.Offset.X,
                                                                                   ring.Offset.Y);
    const int corner = std::min(r.Width(), r.Height()) * 2 / kCornerShare;
    FillRoundRect(mask, r, corner, corner, ring.Grey);
    PaintBubbles(mask, ring);
}

// The bubbles start small near the tip and grow on the way to the body's
// edge, a quarter of its width in from the corner's side.
void TsBalloonHintWindow::PaintBubbles(TBitmap* mask, const TsShapeRing& ring) const {
    const TRect s = FGeometry.Shape();
    const TPoint tip = FGeometry.Tip();
    const double toX = FGeometry.TailLeft() ? s.Left + s.Width() / 4.0 : s.Right - s.Width() / 4.0;
    const double toY = FGeometry.TailAbove() ? s.Top : s.Bottom;
    for (int k = 0; k < kBubbles; ++k) {
        const double at = kFirstStop + kStopStep * k;
        const int cx = static_cast<int>(std::lround(tip.X + (toX - tip.X) * at)) + ring.Offset.X;
        const int cy = static_cast<int>(std::lround(tip.Y + (toY - tip.Y) * at)) + ring.Offset.Y;
        const int h = kFirstBubble + kBubbleGrowth * k - 2 * ring.Inset;
        const int w = h + kBubbleWiden + k * 2;
        if (h <= 0) continue;
        FillEllipse(mask, Bounds(cx - w / 2, cy - h / 2, w, h), ring.Grey);
    }
}

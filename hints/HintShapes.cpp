#include "hints/HintShapes.h"

#include <algorithm>
#include <cmath>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"

namespace {

constexpr int kWhite = 255;
// The tip of a tail stands this far in from the corner it points to.
constexpr int kTipInset = 3;
// The tail's base is this share of the body's width.
constexpr int kTailBaseShare = 4;

TColor Grey(int g) {
    return g | (g << 8) | (g << 16);
}

// Where the horizontal line at y crosses the edge from p to q, if it does.
bool Crossing(TsPointF p, TsPointF q, double y, double& x) {
    if ((p.Y <= y) == (q.Y <= y)) return false;
    x = p.X + (y - p.Y) * (q.X - p.X) / (q.Y - p.Y);
    return true;
}

} // namespace

TsHintPlacement PlaceHint(TPoint anchor, TSize size, const TRect& desktop) {
    bool above = false, left = false;
    int top = anchor.Y, x = anchor.X;
    if (top + size.cy > desktop.Bottom) {
        top = anchor.Y - size.cy;
        above = true;
        if (top < desktop.Top) {
            top = anchor.Y;
            above = false;
        }
    }
    if (x + size.cx > desktop.Right) {
        x = anchor.X - size.cx;
        left = true;
        if (x < desktop.Left) {
            x = anchor.X;
            left = false;
        }
    }
    return {Bounds(x, top, size.cx, size.cy),
            (above ? kCornerAbove : 0) | (left ? kCornerLeft : 0)};
}

TRect TsHintGeometry::Body() const {
    return {0, 0, std::max(Size.cx - ShadowRoom, 0), std::max(Size.cy - ShadowRoom, 0)};
}

TRect TsHintGeometry::Shape() const {
    TRect r = Body();
    const int room = std::min(TailRoom, r.Height());
    if (TailAbove())
        r.Top += room;
    else
        r.Bottom -= room;
    return r;
}

TPoint TsHintGeometry::Tip() const {
    const TRect b = Body();
    return {TailLeft() ? b.Left + kTipInset : b.Right - 1 - kTipInset,
            TailAbove() ? b.Top + kTipInset : b.Bottom - 1 - kTipInset};
}

void PaintShapeRings(TBitmap* mask, const TsShapePainter& shape, int blur, int level,
                     TPoint offset) {
    const int t = std::clamp(level, 0, kWhite);
    // Rings past the middle of the window would paint nothing new.
    const int n = std::clamp(blur, 0, std::max(std::min(mask->Width(), mask->Height()) / 2, 0));
    const double step = static_cast<double>(kWhite - t) / (n + 1);
    for (int i = 0; i <= n; ++i) {
        const int g = t + static_cast<int>(std::lround((n - i) * step));
        shape(mask, TsShapeRing{i, Grey(g), offset});
    }
}

void FillTail(TBitmap* mask, const TsHintGeometry& g, const TsShapeRing& ring) {
    const TRect shape = g.Shape();
    const TPoint tip = g.Tip();
    const int i = ring.Inset;
    const double half = std::max(g.Body().Width() / kTailBaseShare / 2.0 - i, 0.0);
    if (half <= 0) return;
    const double ox = ring.Offset.X + 0.5, oy = ring.Offset.Y + 0.5;
    const TsPointF apex{tip.X + (g.TailLeft() ? i : -i) + ox,
                        tip.Y + (g.TailAbove() ? i : -i) + oy};
    const double middle = (shape.Top + shape.Bottom) / 2.0 + ring.Offset.Y;
    // The base stands a quarter of the way in from the tail's side, so the
    // tail leans toward its corner as a speech bubble's does.
    const double quarter = shape.Width() / 4.0;
    const double centre =
        (g.TailLeft() ? shape.Left + quarter : shape.Right - quarter) + ring.Offset.X;
    FillTriangle(mask, apex, {centre - half, middle}, {centre + half, middle}, ring.Grey);
}

void FillTriangle(TBitmap* bitmap, TsPointF a, TsPointF b, TsPointF c, TColor color) {
    const double top = std::min({a.Y, b.Y, c.Y}), bottom = std::max({a.Y, b.Y, c.Y});
    const int y0 = std::max(static_cast<int>(std::floor(top)), 0);
    const int y1 = std::min(static_cast<int>(std::ceil(bottom)), bitmap->Height());
    const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(color)) & 0xFFFFFF;
    for (int y = y0; y < y1; ++y) {
        const double cy = y + 0.5;
        double xs[3];
        int found = 0;
        double x = 0;
        if (Crossing(a, b, cy, x)) xs[found++] = x;
        if (Crossing(b, c, cy, x)) xs[found++] = x;
        if (Crossing(c, a, cy, x)) xs[found++] = x;
        if (found < 2) continue;
        const double l = std::min(xs[0], xs[1]), r = std::max(xs[0], xs[1]);
        const int x0 = std::max(static_cast<int>(std::ceil(l - 0.5)), 0);
        const int x1 = std::min(static_cast<int>(std::ceil(r - 0.5)), bitmap->Width());
        for (int px = x0; px < x1; ++px)
            bitmap->SetPixel(px, y, static_cast<TColor>(rgb));
    }
}

TRegion MaskRegion(const TBitmap* mask) {
    // The region is logical: the first device pixel of each block decides.
    TRegion region;
    const int s = mask->Scale();
    for (int y = 0; y < mask->Height(); ++y) {
        const uint8_t* row = mask->ScanLine(y * s);
        int x = 0;
        while (x < mask->Width()) {
            while (x < mask->Width() && row[x * s * 3] == kWhite)
                ++x;
            const int start = x;
            while (x < mask->Width() && row[x * s * 3] != kWhite)
                ++x;
            if (x > start) region.Union(TRect{start, y, x, y + 1});
        }
    }
    return region;
}

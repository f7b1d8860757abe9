// The shapes of TCanvas: rectangles, rounded rectangles, ellipses and
// polygons. Coverage rules are listed in TCanvas.h.

#include <algorithm>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

namespace {

// Rows of a box with rounded corners: pixel (x, y) is inside when its centre
// lies inside the box [l, r] x [t, b] with corner ellipses cw x ch. Works in
// doubled coordinates so that everything stays in integers.
struct TRoundBox {
    long long L, T, R, B, A, Bv; // doubled box and corner radii
    bool Empty;
    TRoundBox(int l, int t, int r, int b, int cw, int ch) {
        Empty = r <= l || b <= t;
        L = 2LL * l;
        T = 2LL * t;
        R = 2LL * r;
        B = 2LL * b;
        A = std::clamp<long long>(cw, 0, r - l);
        Bv = std::clamp<long long>(ch, 0, b - t);
        if (A == 0 || Bv == 0) A = Bv = 0;
    }
    bool Inside(long long x, long long y) const {
        long long X = 2 * x + 1, Y = 2 * y + 1;
        if (X < L || X > R || Y < T || Y > B) return false;
        long long ddx = X < L + A ? L + A - X : X > R - A ? X - (R - A) : 0;
        long long ddy = Y < T + Bv ? T + Bv - Y : Y > B - Bv ? Y - (B - Bv) : 0;
        if (ddx == 0 || ddy == 0) return true;
        __int128 u = static_cast<__int128>(ddx) * Bv, v = static_cast<__int128>(ddy) * A;
        __int128 w = static_cast<__int128>(A) * Bv;
        return u * u + v * v <= w * w;
    }
    // The inside pixels of row y as [x0, x1); empty when x1 <= x0. The row is
    // an interval centred in the box, so the pixel left of the centre is in it
    // whenever it is not empty, and its first pixel is found by bisection.
    void Span(int y, int& x0, int& x1) const {
        x0 = x1 = 0;
        if (Empty) return;
        long long l = L / 2, r = R / 2;
        long long centre = l + (r - l - 1) / 2;
        if (!Inside(centre, y)) return;
        long long lo = l, hi = centre;
        while (lo < hi) {
            long long m = lo + (hi - lo) / 2;
            if (Inside(m, y))
                hi = m;
            else
                lo = m + 1;
        }
        x0 = static_cast<int>(lo);
        x1 = static_cast<int>(r - (lo - l)); // the figure is symmetric
    }
};

} // namespace

// Coordinates far outside any bitmap are pulled in so that the arithmetic
// stays in range; such shapes look the same on the bitmap.
void TCanvas::ClampCoordinates(int& a, int& b, int& c, int& d) {
    for (int* v : {&a, &b, &c, &d})
        *v = std::clamp(*v, -CoordinateLimit, CoordinateLimit);
}

// Figure of the box (l, t, r, b) with corners cw x ch: brush inside, pen on
// the outline band, following the coverage rules in the header.
void TCanvas::FillShape(int left, int top, int right, int bottom, int cw, int ch) {
    if (!FBitmap) return;
    ClampCoordinates(left, top, right, bottom);
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    bool ellipse = cw < 0; // whole-box corners
    // Only rows on the bitmap are visited.
    const int rowsFrom = -FOrigin.Y, rowsTo = FBitmap->Height() - FOrigin.Y;
    int ox = FOrigin.X, oy = FOrigin.Y;
    uint32_t brush = ColorToPixel(FBrush.Color()), pen = ColorToPixel(FPen.Color());
    if (!PenVisible()) {
        if (!BrushVisible()) return;
        int r = right - 1, b = bottom - 1; // no pen: one pixel less
        TRoundBox fill(left, top, r, b, ellipse ? r - left : cw, ellipse ? b - top : ch);
        for (int y = std::max(top, rowsFrom); y < std::min(b, rowsTo); ++y) {
            int x0, x1;
            fill.Span(y, x0, x1);
            SpanArea(y + oy, x0 + ox, x1 + ox, brush);
        }
        return;
    }
    int w = FPen.Width();
    TRoundBox outer(left, top, right, bottom, ellipse ? right - left : cw,
                    ellipse ? bottom - top : ch);
    TRoundBox inner(left + w, top + w, right - w, bottom - w,
                    ellipse ? right - left - 2 * w : cw - 2 * w,
                    ellipse ? bottom - top - 2 * w : ch - 2 * w);
    for (int y = std::max(top, rowsFrom); y < std::min(bottom, rowsTo); ++y) {
        int o0, o1, i0, i1;
        outer.Span(y, o0, o1);
        inner.Span(y, i0, i1);
        if (i1 <= i0) {
            SpanArea(y + oy, o0 + ox, o1 + ox, pen);
            continue;
        }
        SpanArea(y + oy, o0 + ox, i0 + ox, pen);
        SpanArea(y + oy, i1 + ox, o1 + ox, pen);
        if (BrushVisible()) SpanArea(y + oy, i0 + ox, i1 + ox, brush);
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    ClampCoordinates(left, top, right, bottom);
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (PenVisible() && PenStyled()) {
        // Styled outline: fill the inside, then the pattern along the edges.
        if (BrushVisible())
            FillArea(BitmapRect({left + 1, top + 1, right - 1, bottom - 1}),
                     ColorToPixel(FBrush.Color()));
        FPenStep = 0;
        TPen saved;
        saved.Assign(FPen);
        FPen.SetWidth(1);
        Polyline({{left, top},
                  {right - 1, top},
                  {right - 1, bottom - 1},
                  {left, bottom - 1},
                  {left, top}});
        FPen.Assign(saved);
        return;
    }
    FillShape(left, top, right, bottom, 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                        int cornerHeight) {
    FillShape(left, top, right, bottom, std::max(0, cornerWidth), std::max(0, cornerHeight));
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    FillShape(left, top, right, bottom, -1, -1);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2 || !FBitmap) return;
    if (BrushVisible() && points.size() >= 3) {
        int top = INT32_MAX, bottom = INT32_MIN;
        for (const TPoint& p : points) {
            top = std::min(top, p.Y);
            bottom = std::max(bottom, p.Y);
        }
        // Only the rows of the bitmap matter.
        top = std::max(top, -FOrigin.Y);
        bottom = std::min(bottom, FBitmap->Height() - FOrigin.Y);
        uint32_t brush = ColorToPixel(FBrush.Color());
        struct Crossing {
            long long X;
            int Dir;
        };
        std::vector<Crossing> xs;
        for (int y = top; y < bottom; ++y) {
            xs.clear();
            for (size_t i = 0; i < points.size(); ++i) {
                TPoint a = points[i], b = points[(i + 1) % points.size()];
                if (a.Y == b.Y) continue;
                int dir = a.Y < b.Y ? 1 : -1;
                if (dir < 0) std::swap(a, b);
                if (y < a.Y || y >= b.Y) continue;
                // First pixel at or right of the crossing: ceil of an exact fraction.
                __int128 num = static_cast<__int128>(a.X) * (static_cast<long long>(b.Y) - a.Y) +
                               static_cast<__int128>(static_cast<long long>(y) - a.Y) *
                                   (static_cast<long long>(b.X) - a.X);
                __int128 den = static_cast<long long>(b.Y) - a.Y;
                __int128 c = num >= 0 ? (num + den - 1) / den : -((-num) / den);
                xs.push_back({static_cast<long long>(c), dir});
            }
            std::sort(xs.begin(), xs.end(),
                      [](const Crossing& p, const Crossing& q) { return p.X < q.X; });
            int winding = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                winding += xs[i].Dir;
                bool inside = FFillMode == pfAlternate ? (i % 2 == 0) : winding != 0;
                if (!inside) continue;
                long long x0 =
                    std::clamp<long long>(xs[i].X + FOrigin.X, INT32_MIN / 2, INT32_MAX / 2);
                long long x1 =
                    std::clamp<long long>(xs[i + 1].X + FOrigin.X, INT32_MIN / 2, INT32_MAX / 2);
                SpanArea(y + FOrigin.Y, static_cast<int>(x0), static_cast<int>(x1), brush);
            }
        }
    }
    if (PenVisible()) {
        FPenStep = 0;
        for (size_t i = 0; i < points.size(); ++i)
            Line(points[i], points[(i + 1) % points.size()], false);
    }
}

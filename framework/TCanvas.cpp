#include "framework/TCanvas.h"

#include <algorithm>
#include <cstring>

#include "framework/TBitmap.h"

struct TCanvas::TState {
    TPoint Origin;
    bool HasClip = false;
    TRegion Clip;
    TFont Font;
    TPen Pen;
    TBrush Brush;
    TPoint PenPos;
    TPolyFillMode FillMode = pfAlternate;
};

namespace {

inline void PutPixel(uint8_t* p, uint32_t pixel) {
    p[0] = static_cast<uint8_t>(pixel >> 16);
    p[1] = static_cast<uint8_t>(pixel >> 8);
    p[2] = static_cast<uint8_t>(pixel);
}

// Dash patterns in pixels, on and off alternately.
const std::vector<int>& PenPattern(TPenStyle style) {
    static const std::vector<int> none, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6}, dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash: return dash;
    case psDot: return dot;
    case psDashDot: return dashDot;
    case psDashDotDot: return dashDotDot;
    default: return none;
    }
}

} // namespace

TCanvas::TCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}

TCanvas::~TCanvas() = default;

void TCanvas::SetBitmap(TBitmap* bitmap) {
    FBitmap = bitmap;
    FOrigin = {};
    ResetClip();
}

// --- Clipping ---------------------------------------------------------------

const std::vector<TRect>& TCanvas::Clips() const {
    TSize size{FBitmap ? FBitmap->Width() : 0, FBitmap ? FBitmap->Height() : 0};
    if (FClipValid && size == FClipSize) return FClipRects;
    FClipRects.clear();
    if (size.cx > 0 && size.cy > 0) {
        TRect all{0, 0, size.cx, size.cy};
        if (FHasClip) {
            TRegion r = FClip;
            r.Intersect(all);
            FClipRects = r.Rects();
        } else {
            FClipRects.push_back(all);
        }
    }
    FClipSize = size;
    FClipValid = true;
    return FClipRects;
}

TRegion TCanvas::Drawable() const {
    TRegion r;
    for (const TRect& c : Clips()) r.Union(c);
    return r;
}

TRegion TCanvas::ClipRegion() const { return Drawable(); }

void TCanvas::ChangeClip(const TRegion& device) {
    FClip = device;
    FHasClip = true;
    FClipValid = false;
}

void TCanvas::SetClipRegion(const TRegion& region) {
    TRegion r = region;
    if (FBitmap) r.Intersect(TRect{0, 0, FBitmap->Width(), FBitmap->Height()});
    ChangeClip(r);
}

void TCanvas::ResetClip() {
    FHasClip = false;
    FClip.Clear();
    FClipValid = false;
}

void TCanvas::IntersectClipRect(const TRect& r) {
    TRegion d = Drawable();
    d.Intersect(DeviceRect(r));
    ChangeClip(d);
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    TRegion d = Drawable();
    d.Subtract(DeviceRect(r));
    ChangeClip(d);
}

TRect TCanvas::ClipRect() const {
    TRect box = Drawable().BoundingBox();
    if (box.IsEmpty()) return {};
    return box.Offset(-FOrigin.X, -FOrigin.Y);
}

bool TCanvas::RectVisible(const TRect& r) const {
    TRect d = DeviceRect(r);
    for (const TRect& c : Clips())
        if (!d.Intersect(c).IsEmpty()) return true;
    return false;
}

bool TCanvas::Visible(int dx, int dy) const {
    for (const TRect& c : Clips())
        if (c.Contains({dx, dy})) return true;
    return false;
}

int TCanvas::SaveDC() {
    FSaved.push_back(TState{FOrigin, FHasClip, FClip, FFont, FPen, FBrush, FPenPos, FFillMode});
    return static_cast<int>(FSaved.size());
}

bool TCanvas::RestoreDC(int level) {
    int count = static_cast<int>(FSaved.size());
    int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count) return false;
    TState& s = FSaved[static_cast<size_t>(index)];
    FOrigin = s.Origin;
    FHasClip = s.HasClip;
    FClip = s.Clip;
    FClipValid = false;
    FFont.Assign(s.Font);
    FPen.Assign(s.Pen);
    FBrush.Assign(s.Brush);
    FPenPos = s.PenPos;
    FFillMode = s.FillMode;
    FSaved.resize(static_cast<size_t>(index));
    return true;
}

// --- Pixels and fills ---------------------------------------------------------

void TCanvas::FillDevice(const TRect& r, uint32_t pixel, const TRect* limit) {
    for (const TRect& c : Clips()) {
        TRect i = r.Intersect(c);
        if (limit) i = i.Intersect(*limit);
        if (i.IsEmpty()) continue;
        for (int y = i.Top; y < i.Bottom; ++y) {
            uint8_t* p = FBitmap->ScanLine(y) + i.Left * 3;
            for (int x = i.Left; x < i.Right; ++x, p += 3) PutPixel(p, pixel);
        }
    }
}

void TCanvas::SpanDevice(int y, int x0, int x1, uint32_t pixel) {
    if (x1 <= x0) return;
    for (const TRect& c : Clips()) {
        if (y < c.Top || y >= c.Bottom) continue;
        int l = std::max(x0, c.Left), r = std::min(x1, c.Right);
        uint8_t* p = FBitmap->ScanLine(y) + l * 3;
        for (int x = l; x < r; ++x, p += 3) PutPixel(p, pixel);
    }
}

void TCanvas::PlotDevice(int x, int y, uint32_t pixel) {
    if (Visible(x, y)) PutPixel(FBitmap->ScanLine(y) + x * 3, pixel);
}

TColor TCanvas::Pixel(int x, int y) const {
    int dx = x + FOrigin.X, dy = y + FOrigin.Y;
    if (!Visible(dx, dy)) return CLR_INVALID;
    return FBitmap->Pixel(dx, dy);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    PlotDevice(x + FOrigin.X, y + FOrigin.Y, ColorToPixel(color));
}

void TCanvas::FillRect(const TRect& r) {
    if (BrushVisible()) FillDevice(DeviceRect(r), ColorToPixel(FBrush.Color()));
}

void TCanvas::FrameRect(const TRect& r) {
    if (!BrushVisible() || r.IsEmpty()) return;
    uint32_t pixel = ColorToPixel(FBrush.Color());
    TRect d = DeviceRect(r);
    FillDevice({d.Left, d.Top, d.Right, d.Top + 1}, pixel);
    FillDevice({d.Left, d.Bottom - 1, d.Right, d.Bottom}, pixel);
    FillDevice({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, pixel);
    FillDevice({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, pixel);
}

void TCanvas::DrawFocusRect(const TRect& r) {
    if (r.IsEmpty()) return;
    auto invert = [this](int x, int y) {
        if (((x + y) & 1) != 0) return;
        int dx = x + FOrigin.X, dy = y + FOrigin.Y;
        if (!Visible(dx, dy)) return;
        uint8_t* p = FBitmap->ScanLine(dy) + dx * 3;
        p[0] ^= 0xFF;
        p[1] ^= 0xFF;
        p[2] ^= 0xFF;
    };
    // Each border pixel once, even for rectangles one pixel thin.
    for (int x = r.Left; x < r.Right; ++x) invert(x, r.Top);
    if (r.Bottom - 1 > r.Top)
        for (int x = r.Left; x < r.Right; ++x) invert(x, r.Bottom - 1);
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
    }
}

// --- Lines -----------------------------------------------------------------------

void TCanvas::PenDot(int x, int y, uint32_t pixel) {
    const std::vector<int>& pattern = PenPattern(FPen.Style());
    if (!pattern.empty()) {
        int period = 0;
        for (int p : pattern) period += p;
        int at = FPenStep % period;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (at < pattern[i]) {
                if (i % 2 == 1) return;
                break;
            }
            at -= pattern[i];
        }
    }
    int w = FPen.Width();
    if (w <= 1) {
        PlotDevice(x, y, pixel);
        return;
    }
    int x0 = x - w / 2, y0 = y - w / 2;
    FillDevice({x0, y0, x0 + w, y0 + w}, pixel);
}

namespace {
// round(n / d) for d > 0, halves up, without overflow for our ranges.
long long RoundDivLL(long long n, long long d) {
    long long q = n * 2 + d;
    long long dd = 2 * d;
    return q >= 0 ? q / dd : -((-q + dd - 1) / dd);
}
} // namespace

// From a to b in logical coordinates, one pixel per step along the major axis
// (the minor coordinate rounded); b itself only when last is set. Steps that
// fall outside the bitmap are skipped without visiting them.
void TCanvas::Line(TPoint a, TPoint b, bool last) {
    if (!PenVisible() || !FBitmap) return;
    uint32_t pixel = ColorToPixel(FPen.Color());
    long long ax = a.X + static_cast<long long>(FOrigin.X), ay = a.Y + static_cast<long long>(FOrigin.Y);
    long long bx = b.X + static_cast<long long>(FOrigin.X), by = b.Y + static_cast<long long>(FOrigin.Y);
    long long dx = bx - ax, dy = by - ay;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long steps = std::max(std::llabs(dx), std::llabs(dy)) + (last ? 1 : 0);
    if (steps == 0) return;
    long long major0 = xMajor ? ax : ay, dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    long long minor0 = xMajor ? ay : ax;
    int dir = dMajor < 0 ? -1 : 1;
    long long margin = FPen.Width() + 1;
    long long lo = -margin, hi = (xMajor ? FBitmap->Width() : FBitmap->Height()) + margin;
    // Step range whose major coordinate is near the bitmap.
    long long first = 0, stop = steps;
    if (dir > 0) {
        first = std::max(first, lo - major0);
        stop = std::min(stop, hi - major0);
    } else {
        first = std::max(first, major0 - hi);
        stop = std::min(stop, major0 - lo);
    }
    int startStep = FPenStep;
    for (long long i = first; i < stop; ++i) {
        long long major = major0 + dir * i;
        long long minor = dMajor == 0 ? minor0 : minor0 + RoundDivLL(i * dMinor, std::llabs(dMajor));
        FPenStep = startStep + static_cast<int>(i % 1000000);
        if (minor < -margin || minor > INT32_MAX / 2) continue;
        int px = static_cast<int>(xMajor ? major : minor), py = static_cast<int>(xMajor ? minor : major);
        PenDot(px, py, pixel);
    }
    FPenStep = startStep + static_cast<int>(steps % 1000000);
}

void TCanvas::LineTo(int x, int y) {
    Line(FPenPos, {x, y}, false);
    FPenPos = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    FPenStep = 0;
    for (size_t i = 1; i < points.size(); ++i) Line(points[i - 1], points[i], i + 1 == points.size());
}

// --- Shapes ---------------------------------------------------------------------

namespace {

// Rows of a box with rounded corners: pixel (x, y) is inside when its centre
// lies inside the box [l, r] x [t, b] with corner ellipses cw x ch. Works in
// doubled coordinates so that everything stays in integers.
struct TRoundBox {
    long long L, T, R, B, A, Bv;  // doubled box and corner radii
    bool Empty;
    TRoundBox(int l, int t, int r, int b, int cw, int ch) {
        Empty = r <= l || b <= t;
        L = 2LL * l;
        T = 2LL * t;
        R = 2LL * r;
        B = 2LL * b;
        A = std::clamp<long long>(cw, 0, r - l) ;
        Bv = std::clamp<long long>(ch, 0, b - t);
        if (A == 0 || Bv == 0) A = Bv = 0;
    }
    bool Inside(long long x, long long y) const {
        long long X = 2 * x + 1, Y = 2 * y + 1;
        if (X < L || X > R || Y < T || Y > B) return false;
        long long ddx = X < L + A ? L + A - X : X > R - A ? X - (R - A) : 0;
        long long ddy = Y < T + Bv ? T + Bv - Y : Y > B - Bv ? Y - (B - Bv) : 0;
        if (ddx == 0 || ddy == 0) return true;
        long long u = ddx * Bv, v = ddy * A, w = A * Bv;
        return u * u + v * v <= w * w;
    }
    // The inside pixels of row y as [x0, x1); empty when x1 <= x0.
    void Span(int y, int& x0, int& x1) const {
        x0 = x1 = 0;
        if (Empty) return;
        int l = static_cast<int>(L / 2), r = static_cast<int>(R / 2);
        int mid = l + (r - l) / 2;
        int x = l;
        while (x <= mid && !Inside(x, y)) ++x;
        if (x > mid) return;
        x0 = x;
        x1 = r - (x0 - l);  // the figure is symmetric
    }
};

} // namespace

// Figure of the box (l, t, r, b) with corners cw x ch: brush inside, pen on
// the outline band, following the coverage rules in the header.
void TCanvas::FillShape(int left, int top, int right, int bottom, int cw, int ch) {
    if (!FBitmap) return;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    bool ellipse = cw < 0;  // whole-box corners
    int ox = FOrigin.X, oy = FOrigin.Y;
    uint32_t brush = ColorToPixel(FBrush.Color()), pen = ColorToPixel(FPen.Color());
    if (!PenVisible()) {
        if (!BrushVisible()) return;
        int r = right - 1, b = bottom - 1;
        TRoundBox fill(left, top, r, b, ellipse ? r - left : cw, ellipse ? b - top : ch);
        for (int y = top; y < b; ++y) {
            int x0, x1;
            fill.Span(y, x0, x1);
            SpanDevice(y + oy, x0 + ox, x1 + ox, brush);
        }
        return;
    }
    int w = FPen.Width();
    TRoundBox outer(left, top, right, bottom, ellipse ? right - left : cw, ellipse ? bottom - top : ch);
    TRoundBox inner(left + w, top + w, right - w, bottom - w, ellipse ? right - left - 2 * w : cw - 2 * w,
                    ellipse ? bottom - top - 2 * w : ch - 2 * w);
    for (int y = top; y < bottom; ++y) {
        int o0, o1, i0, i1;
        outer.Span(y, o0, o1);
        inner.Span(y, i0, i1);
        if (i1 <= i0) {
            SpanDevice(y + oy, o0 + ox, o1 + ox, pen);
            continue;
        }
        SpanDevice(y + oy, o0 + ox, i0 + ox, pen);
        SpanDevice(y + oy, i1 + ox, o1 + ox, pen);
        if (BrushVisible()) SpanDevice(y + oy, i0 + ox, i1 + ox, brush);
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (PenVisible() && !PenPattern(FPen.Style()).empty()) {
        // Styled outline: fill the inside, then the pattern along the edges.
        if (BrushVisible()) FillDevice(DeviceRect({left + 1, top + 1, right - 1, bottom - 1}), ColorToPixel(FBrush.Color()));
        FPenStep = 0;
        TPen saved;
        saved.Assign(FPen);
        FPen.SetWidth(1);
        Polyline({{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}});
        FPen.Assign(saved);
        return;
    }
    FillShape(left, top, right, bottom, 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    FillShape(left, top, right, bottom, std::max(0, cornerWidth), std::max(0, cornerHeight));
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) { FillShape(left, top, right, bottom, -1, -1); }

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
                long long num = static_cast<long long>(a.X) * (b.Y - a.Y) + static_cast<long long>(y - a.Y) * (b.X - a.X);
                long long den = b.Y - a.Y;
                long long c = num >= 0 ? (num + den - 1) / den : -((-num) / den);
                xs.push_back({c, dir});
            }
            std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.X < q.X; });
            int winding = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                winding += xs[i].Dir;
                bool inside = FFillMode == pfAlternate ? (i % 2 == 0) : winding != 0;
                if (!inside) continue;
                long long x0 = std::clamp<long long>(xs[i].X + FOrigin.X, INT32_MIN / 2, INT32_MAX / 2);
                long long x1 = std::clamp<long long>(xs[i + 1].X + FOrigin.X, INT32_MIN / 2, INT32_MAX / 2);
                SpanDevice(y + FOrigin.Y, static_cast<int>(x0), static_cast<int>(x1), brush);
            }
        }
    }
    if (PenVisible()) {
        FPenStep = 0;
        for (size_t i = 0; i < points.size(); ++i) Line(points[i], points[(i + 1) % points.size()], false);
    }
}

// --- Copies -----------------------------------------------------------------------

// Copies device pixels of src onto device (dx, dy); key >= 0 leaves that colour out.
void TCanvas::BlitFrom(int dx, int dy, int w, int h, const TBitmap& src, int sx, int sy, uint32_t rop) {
    if (!FBitmap || w <= 0 || h <= 0) return;
    // The part of the source inside its bitmap.
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    if (w <= 0 || h <= 0) return;
    if (&src == FBitmap) {
        TBitmap copy(w, h);
        for (int y = 0; y < h; ++y) std::memcpy(copy.ScanLine(y), src.ScanLine(sy + y) + sx * 3, static_cast<size_t>(w) * 3);
        BlitFrom(dx, dy, w, h, copy, 0, 0, rop);
        return;
    }
    TRect dest{dx, dy, dx + w, dy + h};
    for (const TRect& c : Clips()) {
        TRect i = dest.Intersect(c);
        if (i.IsEmpty()) continue;
        size_t n = static_cast<size_t>(i.Width()) * 3;
        for (int y = i.Top; y < i.Bottom; ++y) {
            uint8_t* d = FBitmap->ScanLine(y) + i.Left * 3;
            const uint8_t* s = src.ScanLine(sy + y - dy) + (sx + i.Left - dx) * 3;
            switch (rop) {
            case SRCAND: for (size_t k = 0; k < n; ++k) d[k] &= s[k]; break;
            case SRCPAINT: for (size_t k = 0; k < n; ++k) d[k] |= s[k]; break;
            case SRCINVERT: for (size_t k = 0; k < n; ++k) d[k] ^= s[k]; break;
            default: std::memcpy(d, s, n); break;
            }
        }
    }
}

void TCanvas::BitBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy, uint32_t rop) {
    if (!source.FBitmap) return;
    BlitFrom(x + FOrigin.X, y + FOrigin.Y, width, height, *source.FBitmap, sx + source.FOrigin.X,
             sy + source.FOrigin.Y, rop);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, uint32_t rop) {
    BlitFrom(x + FOrigin.X, y + FOrigin.Y, width, height, source, sx, sy, rop);
}

namespace {
// Nearest-pixel scaling of src's rectangle s onto the device rectangle d,
// through the given clip rectangles.
void Stretch(TBitmap& dst, const std::vector<TRect>& clips, const TRect& d, const TBitmap& src, const TRect& s,
             long long key) {
    if (d.IsEmpty() || s.IsEmpty()) return;
    const TBitmap* from = &src;
    TBitmap copy;
    if (&src == &dst) {
        copy.Assign(src);
        from = &copy;
    }
    for (const TRect& c : clips) {
        TRect i = d.Intersect(c);
        for (int y = i.Top; y < i.Bottom; ++y) {
            long long syl = s.Top + static_cast<long long>(y - d.Top) * s.Height() / d.Height();
            if (syl < 0 || syl >= from->Height()) continue;
            const uint8_t* srow = from->ScanLine(static_cast<int>(syl));
            uint8_t* p = dst.ScanLine(y) + i.Left * 3;
            for (int x = i.Left; x < i.Right; ++x, p += 3) {
                long long sxl = s.Left + static_cast<long long>(x - d.Left) * s.Width() / d.Width();
                if (sxl < 0 || sxl >= from->Width()) continue;
                const uint8_t* q = srow + sxl * 3;
                if (key >= 0 && (q[2] | (q[1] << 8) | (q[0] << 16)) == key) continue;
                p[0] = q[0];
                p[1] = q[1];
                p[2] = q[2];
            }
        }
    }
}
} // namespace

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (!FBitmap || !source.FBitmap) return;
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
        BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top);
        return;
    }
    Stretch(*FBitmap, Clips(), DeviceRect(dest), *source.FBitmap,
            sourceRect.Offset(source.FOrigin.X, source.FOrigin.Y), -1);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (!bitmap.Transparent) {
        BitBlt(x, y, bitmap.Width(), bitmap.Height(), bitmap, 0, 0);
        return;
    }
    if (!FBitmap) return;
    TRect d = TRect{x, y, x + bitmap.Width(), y + bitmap.Height()}.Offset(FOrigin.X, FOrigin.Y);
    Stretch(*FBitmap, Clips(), d, bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
            ColorToPixel(bitmap.TransparentColor));
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    if (!FBitmap) return;
    Stretch(*FBitmap, Clips(), DeviceRect(dest), bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
            bitmap.Transparent ? static_cast<long long>(ColorToPixel(bitmap.TransparentColor)) : -1);
}

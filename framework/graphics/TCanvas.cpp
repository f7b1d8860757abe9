#include "graphics/TCanvas.h"

#include <algorithm>
#include <cstring>

#include "graphics/TBitmap.h"

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
    static const std::vector<int> none, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash:
        return dash;
    case psDot:
        return dot;
    case psDashDot:
        return dashDot;
    case psDashDotDot:
        return dashDotDot;
    default:
        return none;
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

TRect TCanvas::BitmapRect(const TRect& r) const {
    TRect d = r;
    ClampCoordinates(d.Left, d.Top, d.Right, d.Bottom);
    return d.Offset(FOrigin.X, FOrigin.Y);
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
    const TRect all{0, 0, FBitmap ? FBitmap->Width() : 0, FBitmap ? FBitmap->Height() : 0};
    if (all.IsEmpty()) return {};
    if (!FHasClip) return TRegion(all);
    TRegion r = FClip;
    r.Intersect(all);
    return r;
}

TRegion TCanvas::ClipRegion() const {
    return Drawable();
}

void TCanvas::ChangeClip(const TRegion& area) {
    FClip = area;
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
    d.Intersect(BitmapRect(r));
    ChangeClip(d);
}

void TCanvas::ExcludeClipRect(const TRect& r) {
    TRegion d = Drawable();
    d.Subtract(BitmapRect(r));
    ChangeClip(d);
}

TRect TCanvas::ClipRect() const {
    TRect box;
    for (const TRect& c : Clips())
        box = box.IsEmpty() ? c
                            : TRect{std::min(box.Left, c.Left), std::min(box.Top, c.Top),
                                    std::max(box.Right, c.Right), std::max(box.Bottom, c.Bottom)};
    if (box.IsEmpty()) return {};
    return box.Offset(-FOrigin.X, -FOrigin.Y);
}

bool TCanvas::RectVisible(const TRect& r) const {
    TRect d = BitmapRect(r);
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

// --- Damage ------------------------------------------------------------------

void TCanvas::Damaged(const TRect& d) {
    if (!FDamage.Tracked || d.IsEmpty()) return;
    TRect& b = FDamage.Box;
    if (b.IsEmpty()) {
        b = d;
        return;
    }
    b = {std::min(b.Left, d.Left), std::min(b.Top, d.Top), std::max(b.Right, d.Right),
         std::max(b.Bottom, d.Bottom)};
}

void TCanvas::DamagedWithin(const TRect& area) {
    if (!FDamage.Tracked) return;
    for (const TRect& c : Clips())
        Damaged(area.Intersect(c));
}

TRect TCanvas::TakeDamage() {
    const TRect box = FDamage.Box;
    FDamage.Box = {};
    return box;
}

// --- Pixels and fills ---------------------------------------------------------

void TCanvas::FillArea(const TRect& r, uint32_t pixel, const TRect* limit) {
    const int scale = FBitmap ? FBitmap->Scale() : 1;
    for (const TRect& c : Clips()) {
        TRect i = r.Intersect(c);
        if (limit) i = i.Intersect(*limit);
        if (i.IsEmpty()) continue;
        Damaged(i);
        FillPixels(scale == 1 ? i : ScaleUp(i, scale), pixel);
    }
}

// The rectangle comes by value: a reference could alias the pixels written,
// which keeps the compiler from keeping its bounds in registers.
void TCanvas::FillPixels(TRect i, uint32_t pixel) {
    // The first row pixel by pixel, the others copied from it.
    uint8_t* first = FBitmap->ScanLine(i.Top) + i.Left * 3;
    uint8_t* p = first;
    for (int x = i.Left; x < i.Right; ++x, p += 3)
        PutPixel(p, pixel);
    size_t n = static_cast<size_t>(i.Width()) * 3;
    for (int y = i.Top + 1; y < i.Bottom; ++y)
        std::memcpy(FBitmap->ScanLine(y) + i.Left * 3, first, n);
}

void TCanvas::SpanArea(int y, int x0, int x1, uint32_t pixel) {
    if (x1 <= x0) return;
    FillArea({x0, y, x1, y + 1}, pixel);
}

void TCanvas::PlotArea(int x, int y, uint32_t pixel) {
    if (!Visible(x, y)) return;
    const TRect area{x, y, x + 1, y + 1};
    Damaged(area);
    if (FBitmap->Scale() == 1)
        PutPixel(FBitmap->ScanLine(y) + x * 3, pixel);
    else
        FillPixels(ScaleUp(area, FBitmap->Scale()), pixel);
}

TColor TCanvas::Pixel(int x, int y) const {
    TRect d = BitmapRect({x, y, x, y});
    if (!Visible(d.Left, d.Top)) return CLR_INVALID;
    int dx = d.Left, dy = d.Top;
    return FBitmap->Pixel(dx, dy);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    TRect d = BitmapRect({x, y, x, y});
    PlotArea(d.Left, d.Top, ColorToPixel(color));
}

void TCanvas::FillRect(const TRect& r) {
    if (BrushVisible()) FillArea(BitmapRect(r), ColorToPixel(FBrush.Color()));
}

void TCanvas::FrameRect(const TRect& r) {
    if (!BrushVisible() || r.IsEmpty()) return;
    uint32_t pixel = ColorToPixel(FBrush.Color());
    TRect d = BitmapRect(r);
    FillArea({d.Left, d.Top, d.Right, d.Top + 1}, pixel);
    FillArea({d.Left, d.Bottom - 1, d.Right, d.Bottom}, pixel);
    FillArea({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1}, pixel);
    FillArea({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1}, pixel);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (rect.IsEmpty() || !FBitmap) return;
    TRect r = rect;
    ClampCoordinates(r.Left, r.Top, r.Right, r.Bottom);
    // Loops only over the columns and rows near the bitmap.
    const int xFrom = std::max(r.Left, -FOrigin.X - 1),
              xTo = std::min(r.Right, FBitmap->Width() - FOrigin.X + 1);
    const int yFrom = std::max(r.Top + 1, -FOrigin.Y - 1),
              yTo = std::min(r.Bottom - 1, FBitmap->Height() - FOrigin.Y + 1);
    const int scale = FBitmap->Scale();
    auto invert = [this, scale](int x, int y) {
        if (((x + y) & 1) != 0) return;
        int dx = x + FOrigin.X, dy = y + FOrigin.Y;
        if (!Visible(dx, dy)) return;
        for (int row = dy * scale; row < (dy + 1) * scale; ++row) {
            uint8_t* p = FBitmap->ScanLine(row) + dx * scale * 3;
            for (int k = 0; k < scale * 3; ++k)
                p[k] ^= 0xFF;
        }
        Damaged({dx, dy, dx + 1, dy + 1});
    };
    // Each border pixel once, even for rectangles one pixel thin.
    for (int x = xFrom; x < xTo; ++x)
        invert(x, r.Top);
    if (r.Bottom - 1 > r.Top)
        for (int x = xFrom; x < xTo; ++x)
            invert(x, r.Bottom - 1);
    for (int y = yFrom; y < yTo; ++y) {
        invert(r.Left, y);
        if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
    }
}

// --- Lines -----------------------------------------------------------------------

void TCanvas::PenDot(int x, int y, uint32_t pixel) {
    const std::vector<int>& pattern = PenPattern(FPen.Style());
    if (!pattern.empty()) {
        int period = 0;
        for (int p : pattern)
            period += p;
        int at = FPenStep % period;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (at < pattern[i]) {
                if (i % 2 == 1) return;
                break;
            }
            at -= pattern[i];
        }
    }
    int w = std::min(FPen.Width(), 4096);
    if (w <= 1) {
        PlotArea(x, y, pixel);
        return;
    }
    int x0 = x - w / 2, y0 = y - w / 2;
    FillArea({x0, y0, x0 + w, y0 + w}, pixel);
}

namespace {
// round(n / d) for d > 0, halves up, without overflow for our ranges.
long long RoundDivLL(__int128 n, long long d) {
    __int128 q = n * 2 + d;
    __int128 dd = 2 * static_cast<__int128>(d);
    return static_cast<long long>(q >= 0 ? q / dd : -((-q + dd - 1) / dd));
}
} // namespace

// From a to b in logical coordinates, one pixel per step along the major axis
// (the minor coordinate rounded); b itself only when last is set. Steps that
// fall outside the bitmap are skipped without visiting them.
void TCanvas::Line(TPoint a, TPoint b, bool last) {
    if (!PenVisible() || !FBitmap) return;
    uint32_t pixel = ColorToPixel(FPen.Color());
    long long ax = a.X + static_cast<long long>(FOrigin.X),
              ay = a.Y + static_cast<long long>(FOrigin.Y);
    long long bx = b.X + static_cast<long long>(FOrigin.X),
              by = b.Y + static_cast<long long>(FOrigin.Y);
    long long dx = bx - ax, dy = by - ay;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long steps = std::max(std::llabs(dx), std::llabs(dy)) + (last ? 1 : 0);
    if (steps == 0) return;
    long long major0 = xMajor ? ax : ay, dMajor = xMajor ? dx : dy, dMinor = xMajor ? dy : dx;
    long long minor0 = xMajor ? ay : ax;
    int dir = dMajor < 0 ? -1 : 1;
    long long margin = std::min(FPen.Width(), 4096) + 1;
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
        long long minor = dMajor == 0 ? minor0
                                      : minor0 + RoundDivLL(static_cast<__int128>(i) * dMinor,
                                                            std::llabs(dMajor));
        FPenStep = startStep + static_cast<int>(i % 1000000);
        if (minor < -margin || minor > INT32_MAX / 2) continue;
        int px = static_cast<int>(xMajor ? major : minor),
            py = static_cast<int>(xMajor ? minor : major);
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
    for (size_t i = 1; i < points.size(); ++i)
        Line(points[i - 1], points[i], i + 1 == points.size());
}

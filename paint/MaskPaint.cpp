#include "paint/MaskPaint.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "paint/Blend.h"
#include "paint/PixelKernels.h"
#include "paint/PixelRow.h"
#include "paint/TSameScale.h"

namespace {

constexpr TsBGR SeeThroughBGR{255, 0, 255};
bool IsKey(const uint8_t* p) {
    return SameBGR(p, SeeThroughBGR);
}

// The parent's pixel under the destination's device pixel (x, y) of a bitmap
// of the given scale, or null when there is none.
const uint8_t* ParentPixel(const TCacheInfo& parent, int x, int y, int scale) {
    if (!parent.Ready || !parent.Bitmap) return nullptr;
    const int ps = parent.Bitmap->Scale();
    int px = parent.X * ps + x, py = parent.Y * ps + y;
    if (ps != scale) px = parent.X * ps + x * ps / scale, py = parent.Y * ps + y * ps / scale;
    const TPixels& all = parent.Bitmap->Pixels();
    if (px < 0 || py < 0 || px >= all.Width() || py >= all.Height()) return nullptr;
    return parent.Bitmap->ScanLine(py) + px * 3;
}

void Put(uint8_t* d, const uint8_t* s) {
    d[0] = s[0], d[1] = s[1], d[2] = s[2];
}

// Collects the runs of skipped pixels of one row and cuts them from a region.
class TRunCutter {
public:
    explicit TRunCutter(TRegion* region) : FRegion(region) {}
    void Pixel(bool seeThrough, int x, int y) {
        if (seeThrough && FStart < 0) FStart = x;
        if (!seeThrough) EndRow(x, y);
    }
    void EndRow(int x, int y) {
        if (FRegion && FStart >= 0) FRegion->Subtract(TRect{FStart, y, x, y + 1});
        FStart = -1;
    }

private:
    TRegion* FRegion;
    int FStart = -1;
};

// CopyKeyed; with Cut, key pixels are not drawn but cut from the region. The
// copy runs over device pixels; the region, which is logical, is cut by the
// first device pixel of each block.
void KeyedCopy(TBitmap* dst, const TBitmap* srcBitmap, TPoint at, const TCacheInfo& parent,
               TColor key, TRect r, TColor maskOverride, TRegion* cut) {
    if (!dst || !srcBitmap) return;
    const int sc = dst->Scale();
    const TSameScale src(srcBitmap, sc);
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, src->Width() - 1);
    r.Bottom = std::min(r.Bottom, src->Height() - 1);
    const bool hasOverride = IsColorSet(maskOverride);
    const TsBGR ov = SplitColor(ColorToRGB(maskOverride));
    const uint8_t ovPixel[3] = {ov.B, ov.G, ov.R};
    const TsBGR k = SplitColor(ColorToRGB(key));
    const int i0 = std::max(0, -at.X), i1 = std::min(r.Right - r.Left, dst->Width() - 1 - at.X);
    const int j0 = std::max(0, -at.Y), j1 = std::min(r.Bottom - r.Top, dst->Height() - 1 - at.Y);
    // The logical row and the device row within it, counted without dividing.
    int row = at.Y + j0, sub = 0;
    const int iFrom = i0 * sc, iTo = (i1 + 1) * sc;
    for (int j = j0 * sc; j < (j1 + 1) * sc; ++j) {
        uint8_t* d = dst->ScanLine(at.Y * sc + j) + (at.X * sc + iFrom) * 3;
        const uint8_t* s = src->ScanLine(r.Top * sc + j) + (r.Left * sc + iFrom) * 3;
        TRunCutter runs(sub == 0 ? cut : nullptr);
        for (int i = iFrom; i < iTo; ++i, s += 3, d += 3) {
            const bool see = SameBGR(s, k);
            if (cut) {
                if (i % sc == 0) runs.Pixel(see, at.X + i / sc, row);
                if (!see) Put(d, s);
            } else if (!see) {
                Put(d, s);
            } else if (hasOverride) {
                Put(d, ovPixel);
            } else if (const uint8_t* p = ParentPixel(parent, at.X * sc + i, at.Y * sc + j, sc)) {
                Put(d, p);
            }
        }
        runs.EndRow(at.X + i1 + 1, row);
        if (++sub == sc) sub = 0, ++row;
    }
}

// CopyAlpha; with Cut, see-through pixels are not drawn but cut from the region.
void AlphaCopy(TRect dr, TRect sr, TBitmap* dst, const TBitmap* srcBitmap, int alphaOffset,
               const TCacheInfo& parent, TColor maskOverride, TRegion* cut) {
    if (!dst || !srcBitmap) return;
    const TSameScale src(srcBitmap, dst->Scale());
    int w = std::min(sr.Width(), dr.Width()), h = std::min(sr.Height(), dr.Height());
    // Cut what lies left of or above 0 from both rectangles together.
    const int cutX = std::max({0, -dr.Left, -sr.Left}), cutY = std::max({0, -dr.Top, -sr.Top});
    dr.Left += cutX, sr.Left += cutX, w -= cutX;
    dr.Top += cutY, sr.Top += cutY, h -= cutY;
    w = std::min({w, dst->Width() - dr.Left, src->Width() - sr.Left});
    h = std::min({h, dst->Height() - dr.Top, src->Height() - sr.Top - alphaOffset});
    if (w <= 0 || h <= 0 || sr.Top + alphaOffset < 0) return;
    // From here on device pixels; the region is cut by the first of each block.
    const int sc = dst->Scale();
    dr = ScaleUp(dr, sc), sr = ScaleUp(sr, sc);
    w *= sc, h *= sc, alphaOffset *= sc;
    const bool hasOverride = IsColorSet(maskOverride);
    const TsBGR ov = SplitColor(ColorToRGB(maskOverride));
    const uint8_t ovPixel[3] = {ov.B, ov.G, ov.R};
    const PixelKernels::TColorRow keyRow(SeeThroughBGR);
    uint8_t* d0 = dst->ScanLine(dr.Top) + dr.Left * 3;
    const uint8_t* c0 = src->ScanLine(sr.Top) + sr.Left * 3;
    const uint8_t* m0 = src->ScanLine(sr.Top + alphaOffset) + sr.Left * 3;
    const ptrdiff_t dStride = dst->Pixels().Stride(), sStride = src->Pixels().Stride();
    // Pixels First .. First + Count - 1 of row J, as the reference has them;
    // with Runs the pixels must come in order so the runs can be collected.
    auto row = [&](int j, int first, int count, TRunCutter* runs) {
        uint8_t* d = d0 + j * dStride + first * 3;
        const uint8_t *c = c0 + j * sStride + first * 3, *m = m0 + j * sStride + first * 3;
        for (int i = first; i < first + count; ++i, d += 3, c += 3, m += 3) {
            const bool see = IsKey(c);
            if (runs && i % sc == 0) runs->Pixel(see, (dr.Left + i) / sc, (dr.Top + j) / sc);
            if (!see) {
                d[0] = MixByMask(d[0], c[0], m[0]);
                d[1] = MixByMask(d[1], c[1], m[1]);
                d[2] = MixByMask(d[2], c[2], m[2]);
            } else if (runs) {
            } else if (const uint8_t* p = ParentPixel(parent, dr.Left + i, dr.Top + j, sc)) {
                Put(d, p);
            } else if (hasOverride) {
                Put(d, ovPixel);
            }
        }
    };
    if (cut) {
        for (int j = 0; j < h; ++j) {
            TRunCutter runs(j % sc == 0 ? cut : nullptr);
            row(j, 0, w, &runs);
            runs.EndRow((dr.Left + w) / sc, (dr.Top + j) / sc);
        }
        return;
    }
    auto plain = [&](int j, int first, int count) { row(j, first, count, nullptr); };
    PixelKernels::MixRowsExceptKey({d0, dStride, c0, sStride, m0, sStride, w, h}, keyRow,
                                   PixelKernels::LeftTo(plain));
}

TRect Inclusive(TRect r) {
    return {r.Left, r.Top, r.Right - 1, r.Bottom - 1};
}

// Where the pieces of one state lie and how thick the border is in a w x h rectangle.
struct TPieces {
    int CellLeft = 0, CellTop = 0;
    int PW = 0, PH = 0;
    int CW = 0, CW2 = 0, CH = 0, CH2 = 0;
    int AlphaOffset = 0;
    bool Alpha = false;
};

void CornerSizes(int piece, int length, int& first, int& second) {
    first = second = piece;
    if (length < 2 * piece) {
        first = length / 2;
        second = first + length % 2;
    }
}

bool MakePieces(const TsMaskImage& m, int state, int w, int h, TPieces& p) {
    if (!m.Bitmap) return false;
    if (m.OwnBitmap) {
        p.PW = m.Bitmap->Width() / 9;
        p.PH = m.Bitmap->Height() / 6;
        p.CellLeft = std::clamp(state, 0, 2) * 3 * p.PW;
        p.AlphaOffset = m.Bitmap->Height() / 2;
        p.Alpha = true;
    } else {
        if (m.ImageCount <= 0) return false;
        const int s = std::clamp(state, 0, m.ImageCount - 1);
        p.PW = m.R.Width() / (m.ImageCount * 3);
        p.PH = m.R.Height() / ((std::max(m.MaskType, 0) + 1) * 3);
        p.CellLeft = m.R.Left + m.R.Width() * s / m.ImageCount;
        p.CellTop = m.R.Top;
        p.AlphaOffset = m.R.Height() / 2;
        p.Alpha = m.MaskType != 0;
    }
    CornerSizes(p.PW, w, p.CW, p.CW2);
    CornerSizes(p.PH, h, p.CH, p.CH2);
    if (!m.OwnBitmap && m.BorderWidth != 0) {
        p.CW = std::min(p.CW, m.BorderWidth), p.CW2 = std::min(p.CW2, m.BorderWidth);
        p.CH = std::min(p.CH, m.BorderWidth), p.CH2 = std::min(p.CH2, m.BorderWidth);
    }
    return true;
}

using TPutPiece = std::function<void(TRect src, TPoint at, bool corner)>;

// Repeats a piece of length Piece along [from, to): whole copies, then one cut copy.
template <class F> void Repeat(int from, int to, int piece, F&& put) {
    if (piece <= 0) return;
    for (int pos = from; pos < to; pos += piece)
        put(pos, std::min(piece, to - pos));
}

void ForEachPiece(const TPieces& p, TRect t, bool centre, const TPutPiece& put) {
    const int cl = p.CellLeft, ct = p.CellTop, right = cl + 3 * p.PW, bottom = ct + 3 * p.PH;
    put(Bounds(cl, ct, p.CW, p.CH), {t.Left, t.Top}, true);
    put(Bounds(right - p.CW2, ct, p.CW2, p.CH), {t.Right - p.CW2, t.Top}, true);
    put(Bounds(cl, bottom - p.CH2, p.CW, p.CH2), {t.Left, t.Bottom - p.CH2}, true);
    put(Bounds(right - p.CW2, bottom - p.CH2, p.CW2, p.CH2), {t.Right - p.CW2, t.Bottom - p.CH2},
        true);
    const int x0 = t.Left + p.CW, x1 = t.Right - p.CW2, y0 = t.Top + p.CH, y1 = t.Bottom - p.CH2;
    Repeat(x0, x1, p.PW, [&](int x, int len) {
        put(Bounds(cl + p.PW, ct, len, p.CH), {x, t.Top}, false);
        put(Bounds(cl + p.PW, bottom - p.CH2, len, p.CH2), {x, t.Bottom - p.CH2}, false);
    });
    Repeat(y0, y1, p.PH, [&](int y, int len) {
        put(Bounds(cl, ct + p.PH, p.CW, len), {t.Left, y}, false);
        put(Bounds(right - p.CW2, ct + p.PH, p.CW2, len), {t.Right - p.CW2, y}, false);
    });
    if (!centre) return;
    Repeat(y0, y1, p.PH, [&](int y, int rows) {
        Repeat(x0, x1, p.PW, [&](int x, int cols) {
            put(Bounds(cl + p.PW, ct + p.PH, cols, rows), {x, y}, false);
        });
    });
}

bool FillsCentre(const TsMaskImage& m, bool filling) {
    return filling && !(m.MaskType == 0 && m.BorderWidth != 0);
}

} // namespace

TSize CellSize(const TsMaskImage& mask) {
    if (!mask.Bitmap) return {};
    if (mask.OwnBitmap) return {mask.Bitmap->Width() / 3, mask.Bitmap->Height() / 2};
    if (mask.ImageCount <= 0) return {};
    return {mask.R.Width() / mask.ImageCount, mask.R.Height() / (std::max(mask.MaskType, 0) + 1)};
}

void CopyKeyed(TBitmap* dst, const TBitmap* src, TPoint at, const TCacheInfo& parent, TColor key,
               TRect srcRect, TColor maskOverride) {
    KeyedCopy(dst, src, at, parent, key, srcRect, maskOverride, nullptr);
}

void CopyAlpha(TRect dstRect, TRect srcRect, TBitmap* dst, const TBitmap* src, int alphaOffset,
               const TCacheInfo& parent, TColor maskOverride) {
    AlphaCopy(dstRect, srcRect, dst, src, alphaOffset, parent, maskOverride, nullptr);
}

void DrawStateImage(TBitmap* dst, TPoint at, int state, const TsMaskImage& mask, bool opaque,
                    TColor maskOverride) {
    if (!dst || !mask.Bitmap) return;
    const TCacheInfo noParent;
    const TSize cell = CellSize(mask);
    if (mask.OwnBitmap) {
        const int s = std::clamp(state, 0, 2);
        CopyAlpha(Bounds(at.X, at.Y, cell.cx, cell.cy), Bounds(s * cell.cx, 0, cell.cx, cell.cy),
                  dst, mask.Bitmap, mask.Bitmap->Height() / 2, noParent, maskOverride);
        return;
    }
    if (mask.ImageCount <= 0) return;
    const int s = std::clamp(state, 0, static_cast<int>(mask.ImageCount) - 1);
    // A point left of or above 0 starts the picture that much further in.
    TRect src = Bounds(mask.R.Left + s * cell.cx, mask.R.Top, cell.cx, cell.cy);
    if (at.X < 0) src.Left -= at.X, at.X = 0;
    if (at.Y < 0) src.Top -= at.Y, at.Y = 0;
    if (src.IsEmpty()) return;
    if (mask.MaskType == 0 && opaque)
        CopyKeyed(dst, mask.Bitmap, at, noParent, clSeeThrough, Inclusive(src), maskOverride);
    else if (mask.MaskType == 0)
        BlendBitmapOnto(dst, at.X, at.Y, clSeeThrough, 0.5, Inclusive(src), mask.Bitmap);
    else
        CopyAlpha(Bounds(at.X, at.Y, src.Width(), src.Height()), src, dst, mask.Bitmap,
                  mask.R.Height() / 2, noParent, maskOverride);
}

namespace {

// The cell's middle column of pieces, picture rows over alpha rows, repeated
// across Width, so that the pieces repeated along a row go in one call. Null
// when part of the column lies outside the mask's bitmap: the pieces alone
// are then clipped as they come.
std::unique_ptr<TBitmap> MiddleStrip(const TBitmap& m, const TPieces& p, int width) {
    const int left = p.CellLeft + p.PW, top = p.CellTop;
    if (p.PW <= 0 || p.PH <= 0 || left < 0 || top < 0 || top + p.AlphaOffset < 0 ||
        left + p.PW > m.Width() || top + 3 * p.PH > m.Height() ||
        top + p.AlphaOffset + 3 * p.PH > m.Height())
        return nullptr;
    // Device rows of the mask's scale.
    const int s = m.Scale(), half = 3 * p.PH * s, pw = p.PW * s, w = width * s;
    auto strip = std::make_unique<TBitmap>(width, 6 * p.PH, s);
    for (int r = 0; r < 2 * half; ++r) {
        uint8_t* d = strip->ScanLine(r);
        const int from = r < half ? top * s + r : (top + p.AlphaOffset) * s + r - half;
        std::memcpy(d, m.ScanLine(from) + left * s * 3, static_cast<size_t>(pw) * 3);
        for (int have = pw; have < w; have *= 2)
            std::memcpy(d + have * 3, d, static_cast<size_t>(std::min(have, w - have)) * 3);
    }
    return strip;
}

} // namespace

void DrawBorderMask(TBitmap* dst, TRect rect, bool filling, int state, const TsMaskImage& mask,
                    const TCacheInfo& parent, TColor maskOverride) {
    TPieces p;
    if (!dst || rect.Width() < 2 || rect.Height() < 2 ||
        !MakePieces(mask, state, rect.Width(), rect.Height(), p))
        return;
    const bool centre = FillsCentre(mask, filling);
    const int x0 = rect.Left + p.CW, width = rect.Right - p.CW2 - x0;
    // Pieces repeated along the top, the bottom and the centre's rows come from
    // a strip, once there are several of them.
    const auto strip = p.Alpha && width > p.PW ? MiddleStrip(*mask.Bitmap, p, width) : nullptr;
    if (strip) {
        const int alpha = 3 * p.PH;
        CopyAlpha(Bounds(x0, rect.Top, width, p.CH), Bounds(0, 0, width, p.CH), dst, strip.get(),
                  alpha, parent, maskOverride);
        CopyAlpha(Bounds(x0, rect.Bottom - p.CH2, width, p.CH2),
                  Bounds(0, alpha - p.CH2, width, p.CH2), dst, strip.get(), alpha, parent,
                  maskOverride);
        if (centre)
            Repeat(rect.Top + p.CH, rect.Bottom - p.CH2, p.PH, [&](int y, int rows) {
                CopyAlpha(Bounds(x0, y, width, rows), Bounds(0, p.PH, width, rows), dst,
                          strip.get(), alpha, parent, maskOverride);
            });
    }
    const int middle = p.CellLeft + p.PW;
    ForEachPiece(p, rect, centre, [&](TRect src, TPoint at, bool corner) {
        if (src.IsEmpty() || (strip && !corner && src.Left == middle)) return;
        if (p.Alpha)
            CopyAlpha(Bounds(at.X, at.Y, src.Width(), src.Height()), src, dst, mask.Bitmap,
                      p.AlphaOffset, parent, maskOverride);
        else if (corner)
            CopyKeyed(dst, mask.Bitmap, at, parent, clSeeThrough, Inclusive(src), maskOverride);
        else
            CopyRect(dst, at, mask.Bitmap, src);
    });
}

void DrawBorderMaskRegion(TBitmap* dst, TRect rect, bool filling, int state,
                          const TsMaskImage& mask, TRegion& region) {
    TPieces p;
    if (!dst || rect.Width() < 2 || rect.Height() < 2 ||
        !MakePieces(mask, state, rect.Width(), rect.Height(), p))
        return;
    const TCacheInfo noParent;
    ForEachPiece(p, rect, FillsCentre(mask, filling), [&](TRect src, TPoint at, bool) {
        if (src.IsEmpty()) return;
        if (p.Alpha)
            AlphaCopy(Bounds(at.X, at.Y, src.Width(), src.Height()), src, dst, mask.Bitmap,
                      p.AlphaOffset, noParent, clSeeThrough, &region);
        else
            KeyedCopy(dst, mask.Bitmap, at, noParent, clSeeThrough, Inclusive(src), clSeeThrough,
                      &region);
    });
}

void SeeThroughRects(const TsMaskImage& mask, int width, bool bottom, int rowOffset,
                     std::vector<TRect>& rects) {
    TPieces p;
    if (!MakePieces(mask, 0, 0, 0, p)) return;
    const TBitmap* bmp = mask.Bitmap;
    const int cellW = CellSize(mask).cx;
    const int first = p.CellTop + (bottom ? 2 * p.PH : 0);
    if (first < 0 || first + p.PH > bmp->Height()) return;
    // Runs of 0xFF00FF over cell columns [from, to), placed shifted by Shift.
    auto scan = [&](int from, int to, int shift) {
        for (int row = 0; row < p.PH; ++row) {
            // The first device pixel of each block decides.
            const int s = bmp->Scale();
            const uint8_t* line = bmp->ScanLine((first + row) * s);
            int start = -1;
            for (int col = from; col <= to; ++col) {
                const int x = p.CellLeft + col;
                const bool see = col < to && x >= 0 && x < bmp->Width() && IsKey(line + x * s * 3);
                if (see && start < 0) start = col;
                if (!see && start >= 0) {
                    rects.push_back(
                        {start + shift, row + rowOffset, col + shift, row + rowOffset + 1});
                    start = -1;
                }
            }
        }
    };
    scan(0, p.PW, 0);
    scan(cellW * 2 / 3, cellW, width - cellW);
}

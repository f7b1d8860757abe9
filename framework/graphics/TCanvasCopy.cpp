// Copies between bitmaps for TCanvas: BitBlt, CopyRect, Draw, StretchDraw.

#include <algorithm>
#include <cstring>
#include <vector>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

namespace {
void ApplyRop(uint8_t* d, const uint8_t* s, size_t n, uint32_t rop) {
    switch (rop) {
    case SRCAND:
        for (size_t k = 0; k < n; ++k)
            d[k] &= s[k];
        break;
    case SRCPAINT:
        for (size_t k = 0; k < n; ++k)
            d[k] |= s[k];
        break;
    case SRCINVERT:
        for (size_t k = 0; k < n; ++k)
            d[k] ^= s[k];
        break;
    default:
        std::memcpy(d, s, n);
        break;
    }
}

// The device pixel of a picture of scale `from` that shows device pixel
// `at` of a picture of scale `to`, both counted from the same logical pixel.
inline int Resampled(int logical, int at, int from, int to) {
    return logical * from + (at % to) * from / to;
}
} // namespace

// Copies src's logical (sx, sy) onto the bitmap's logical (dx, dy), w x h.
void TCanvas::BlitFrom(int dx, int dy, int w, int h, const TBitmap& src, int sx, int sy,
                       uint32_t rop) {
    if (!FBitmap || w <= 0 || h <= 0) return;
    // The part of the source inside its bitmap.
    if (sx < 0) {
        dx -= sx;
        w += sx;
        sx = 0;
    }
    if (sy < 0) {
        dy -= sy;
        h += sy;
        sy = 0;
    }
    w = std::min(w, src.Width() - sx);
    h = std::min(h, src.Height() - sy);
    if (w <= 0 || h <= 0) return;
    const int scale = src.Scale();
    if (&src == FBitmap) {
        TBitmap copy(w, h, scale);
        for (int y = 0; y < h * scale; ++y)
            std::memcpy(copy.ScanLine(y), src.ScanLine(sy * scale + y) + sx * scale * 3,
                        static_cast<size_t>(w) * scale * 3);
        BlitFrom(dx, dy, w, h, copy, 0, 0, rop);
        return;
    }
    TRect dest{dx, dy, dx + w, dy + h};
    for (const TRect& c : Clips()) {
        TRect i = dest.Intersect(c);
        if (i.IsEmpty()) continue;
        if (FBitmap->Scale() != scale) {
            Damaged(i);
            CopyScaled(i, src, sx, sy, dx, dy, rop);
        } else if (rop == SRCCOPY && FDamage.Tracked) {
            CopyRowsTracked(i, src, sx, sy, dx, dy);
        } else {
            Damaged(i);
            const size_t n = static_cast<size_t>(i.Width()) * scale * 3;
            for (int y = i.Top * scale; y < i.Bottom * scale; ++y)
                ApplyRop(FBitmap->ScanLine(y) + i.Left * scale * 3,
                         src.ScanLine((sy - dy) * scale + y) + (sx + i.Left - dx) * scale * 3, n,
                         rop);
        }
    }
}

// Between bitmaps of different scales each device pixel takes the nearest
// source pixel: a 1x picture lands doubled on a 2x bitmap.
void TCanvas::CopyScaled(const TRect& i, const TBitmap& src, int sx, int sy, int dx, int dy,
                         uint32_t rop) {
    const int to = FBitmap->Scale(), from = src.Scale();
    std::vector<uint8_t> row(static_cast<size_t>(i.Width()) * to * 3);
    for (int y = i.Top * to; y < i.Bottom * to; ++y) {
        const uint8_t* s = src.ScanLine(Resampled(sy + y / to - dy, y, from, to));
        uint8_t* r = row.data();
        for (int x = i.Left * to; x < i.Right * to; ++x, r += 3)
            std::memcpy(r, s + Resampled(sx + x / to - dx, x, from, to) * 3, 3);
        ApplyRop(FBitmap->ScanLine(y) + i.Left * to * 3, row.data(), row.size(), rop);
    }
}

// A plain copy onto a tracked canvas: rows that already hold the source's
// pixels are left alone and count as unchanged. Warm repaints are mostly
// this, so the rows are walked by pointer.
void TCanvas::CopyRowsTracked(const TRect& i, const TBitmap& src, int sx, int sy, int dx, int dy) {
    const int scale = src.Scale(), top = i.Top * scale, rows = i.Height() * scale;
    const size_t n = static_cast<size_t>(i.Width()) * scale * 3;
    const ptrdiff_t dStride = FBitmap->Pixels().Stride(), sStride = src.Pixels().Stride();
    uint8_t* d = FBitmap->ScanLine(top) + i.Left * scale * 3;
    const uint8_t* s = src.ScanLine((sy - dy) * scale + top) + (sx + i.Left - dx) * scale * 3;
    int first = -1, last = -1;
    for (int r = 0; r < rows; ++r, d += dStride, s += sStride) {
        if (std::memcmp(d, s, n) == 0) continue;
        std::memcpy(d, s, n);
        if (first < 0) first = r;
        last = r;
    }
    if (first >= 0) Damaged({i.Left, (top + first) / scale, i.Right, (top + last) / scale + 1});
}

void TCanvas::BitBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy,
                     uint32_t rop) {
    if (!source.FBitmap) return;
    BlitFrom(x + FOrigin.X, y + FOrigin.Y, width, height, *source.FBitmap, sx + source.FOrigin.X,
             sy + source.FOrigin.Y, rop);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy,
                     uint32_t rop) {
    BlitFrom(x + FOrigin.X, y + FOrigin.Y, width, height, source, sx, sy, rop);
}

namespace {
// Nearest-pixel scaling of src's rectangle s onto the bitmap rectangle d,
// through the given clip rectangles, at scale 1.
void StretchPlain(TBitmap& dst, const std::vector<TRect>& clips, const TRect& d,
                  const TBitmap& from, const TRect& s, long long key) {
    for (const TRect& c : clips) {
        TRect i = d.Intersect(c);
        for (int y = i.Top; y < i.Bottom; ++y) {
            long long syl = s.Top + static_cast<long long>(y - d.Top) * s.Height() / d.Height();
            if (syl < 0 || syl >= from.Height()) continue;
            const uint8_t* srow = from.ScanLine(static_cast<int>(syl));
            uint8_t* p = dst.ScanLine(y) + i.Left * 3;
            for (int x = i.Left; x < i.Right; ++x, p += 3) {
                long long sxl = s.Left + static_cast<long long>(x - d.Left) * s.Width() / d.Width();
                if (sxl < 0 || sxl >= from.Width()) continue;
                const uint8_t* q = srow + sxl * 3;
                if (key >= 0 && (q[2] | (q[1] << 8) | (q[0] << 16)) == key) continue;
                p[0] = q[0];
                p[1] = q[1];
                p[2] = q[2];
            }
        }
    }
}

// The same at other scales: the logical source pixel is chosen as at scale 1,
// and within it the device pixel at the same place in the block, so that a
// picture of the bitmap's scale keeps its detail and the result is the scale-1
// result enlarged.
void StretchScaled(TBitmap& dst, const std::vector<TRect>& clips, const TRect& d,
                   const TBitmap& from, const TRect& s, long long key) {
    const int to = dst.Scale(), fs = from.Scale();
    for (const TRect& c : clips) {
        TRect i = d.Intersect(c);
        for (int y = i.Top * to; y < i.Bottom * to; ++y) {
            long long syl =
                s.Top + static_cast<long long>(y / to - d.Top) * s.Height() / d.Height();
            if (syl < 0 || syl >= from.Height()) continue;
            const uint8_t* srow = from.ScanLine(Resampled(static_cast<int>(syl), y, fs, to));
            uint8_t* p = dst.ScanLine(y) + i.Left * to * 3;
            for (int x = i.Left * to; x < i.Right * to; ++x, p += 3) {
                long long sxl =
                    s.Left + static_cast<long long>(x / to - d.Left) * s.Width() / d.Width();
                if (sxl < 0 || sxl >= from.Width()) continue;
                const uint8_t* q = srow + Resampled(static_cast<int>(sxl), x, fs, to) * 3;
                if (key >= 0 && (q[2] | (q[1] << 8) | (q[0] << 16)) == key) continue;
                p[0] = q[0];
                p[1] = q[1];
                p[2] = q[2];
            }
        }
    }
}

void Stretch(TBitmap& dst, const std::vector<TRect>& clips, const TRect& d, const TBitmap& src,
             const TRect& s, long long key) {
    if (d.IsEmpty() || s.IsEmpty()) return;
    const TBitmap* from = &src;
    TBitmap copy;
    if (&src == &dst) {
        copy.Assign(src);
        from = &copy;
    }
    if (dst.Scale() == 1 && from->Scale() == 1)
        StretchPlain(dst, clips, d, *from, s, key);
    else
        StretchScaled(dst, clips, d, *from, s, key);
}
} // namespace

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (!FBitmap || !source.FBitmap) return;
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
        BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left,
               sourceRect.Top);
        return;
    }
    Stretch(*FBitmap, Clips(), BitmapRect(dest), *source.FBitmap,
            sourceRect.Offset(source.FOrigin.X, source.FOrigin.Y), -1);
    DamagedWithin(BitmapRect(dest));
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
    DamagedWithin(d);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
    if (!FBitmap) return;
    Stretch(*FBitmap, Clips(), BitmapRect(dest), bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
            bitmap.Transparent ? static_cast<long long>(ColorToPixel(bitmap.TransparentColor))
                               : -1);
    DamagedWithin(BitmapRect(dest));
}

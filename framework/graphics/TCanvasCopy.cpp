// Copies between bitmaps for TCanvas: BitBlt, CopyRect, Draw, StretchDraw.

#include <algorithm>
#include <cstring>

#include "graphics/TBitmap.h"
#include "graphics/TCanvas.h"

// Copies device pixels of src onto device (dx, dy); key >= 0 leaves that colour out.
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
    if (&src == FBitmap) {
        TBitmap copy(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(copy.ScanLine(y), src.ScanLine(sy + y) + sx * 3,
                        static_cast<size_t>(w) * 3);
        BlitFrom(dx, dy, w, h, copy, 0, 0, rop);
        return;
    }
    TRect dest{dx, dy, dx + w, dy + h};
    for (const TRect& c : Clips()) {
        TRect i = dest.Intersect(c);
        if (i.IsEmpty()) continue;
        if (rop == SRCCOPY && FDamage.Tracked) {
            CopyRowsTracked(i, src, sx, sy, dx, dy);
            continue;
        }
        Damaged(i);
        size_t n = static_cast<size_t>(i.Width()) * 3;
        for (int y = i.Top; y < i.Bottom; ++y) {
            uint8_t* d = FBitmap->ScanLine(y) + i.Left * 3;
            const uint8_t* s = src.ScanLine(sy + y - dy) + (sx + i.Left - dx) * 3;
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
    }
}

// A plain copy onto a tracked canvas: rows that already hold the source's
// pixels are left alone and count as unchanged.
void TCanvas::CopyRowsTracked(const TRect& i, const TBitmap& src, int sx, int sy, int dx, int dy) {
    const size_t n = static_cast<size_t>(i.Width()) * 3;
    int first = -1, last = -1;
    for (int y = i.Top; y < i.Bottom; ++y) {
        uint8_t* d = FBitmap->ScanLine(y) + i.Left * 3;
        const uint8_t* s = src.ScanLine(sy + y - dy) + (sx + i.Left - dx) * 3;
        if (std::memcmp(d, s, n) == 0) continue;
        std::memcpy(d, s, n);
        if (first < 0) first = y;
        last = y;
    }
    if (first >= 0) Damaged({i.Left, first, i.Right, last + 1});
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
// Nearest-pixel scaling of src's rectangle s onto the device rectangle d,
// through the given clip rectangles.
void Stretch(TBitmap& dst, const std::vector<TRect>& clips, const TRect& d, const TBitmap& src,
             const TRect& s, long long key) {
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
        BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left,
               sourceRect.Top);
        return;
    }
    Stretch(*FBitmap, Clips(), DeviceRect(dest), *source.FBitmap,
            sourceRect.Offset(source.FOrigin.X, source.FOrigin.Y), -1);
    DamagedWithin(DeviceRect(dest));
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
    Stretch(*FBitmap, Clips(), DeviceRect(dest), bitmap, {0, 0, bitmap.Width(), bitmap.Height()},
            bitmap.Transparent ? static_cast<long long>(ColorToPixel(bitmap.TransparentColor))
                               : -1);
    DamagedWithin(DeviceRect(dest));
}

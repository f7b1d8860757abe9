#include "paint/Blend.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "paint/PixelKernels.h"
#include "paint/PixelRow.h"
#include "paint/TSameScale.h"

namespace {

uint8_t ClampByte(long v) {
    return static_cast<uint8_t>(std::clamp<long>(v, 0, 255));
}

// Rounded(s - (s - d) * alpha) for every pair, as a table indexed s * 256 + d,
// with the vector formula that gives the same bytes (if one does). The few
// alphas in use are kept, so a small blend does not rebuild them.
struct TOnto {
    const uint8_t* Table;
    PixelKernels::TOntoFormula Formula;
};
TOnto OntoTable(double alpha) {
    struct Entry {
        double Alpha = -1;
        std::unique_ptr<uint8_t[]> Table;
        PixelKernels::TOntoFormula Formula;
    };
    thread_local std::array<Entry, 4> cache;
    thread_local size_t next = 0;
    for (Entry& e : cache)
        if (e.Table && std::memcmp(&e.Alpha, &alpha, sizeof alpha) == 0)
            return {e.Table.get(), e.Formula};
    Entry& e = cache[next++ % cache.size()];
    if (!e.Table) e.Table = std::make_unique<uint8_t[]>(256 * 256);
    e.Alpha = alpha;
    for (int s = 0; s < 256; ++s)
        for (int d = 0; d < 256; ++d)
            e.Table[s * 256 + d] = ClampByte(std::lrint(s - (s - d) * alpha));
    e.Formula = PixelKernels::FindOntoFormula(alpha, e.Table.get());
    return {e.Table.get(), e.Formula};
}

// Bitmap-clipped inclusive rectangle; false when nothing is left.
bool ClipInclusive(TRect& r, int w, int h) {
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, w - 1);
    r.Bottom = std::min(r.Bottom, h - 1);
    return r.Left <= r.Right && r.Top <= r.Bottom;
}

// An inclusive logical rectangle as the inclusive rectangle of its device pixels.
TRect InclusiveDevice(const TRect& r, int scale) {
    return {r.Left * scale, r.Top * scale, (r.Right + 1) * scale - 1, (r.Bottom + 1) * scale - 1};
}

} // namespace

void BlendColorRect(TBitmap* bitmap, TRect rect, uint8_t percent, TColor color) {
    if (!bitmap || !ClipInclusive(rect, bitmap->Width(), bitmap->Height())) return;
    rect = InclusiveDevice(rect, bitmap->Scale());
    const TsBGR c = SplitColor(ColorToRGB(color));
    const double k = percent / 100.0;
    uint8_t table[3][256];
    const uint8_t channel[3] = {c.B, c.G, c.R};
    for (int ch = 0; ch < 3; ++ch)
        for (int v = 0; v < 256; ++v)
            table[ch][v] = ClampByte(std::lrint(v * k + channel[ch] * (1 - k)));
    for (int y = rect.Top; y <= rect.Bottom; ++y) {
        uint8_t* p = bitmap->ScanLine(y) + rect.Left * 3;
        for (int x = rect.Left; x <= rect.Right; ++x, p += 3) {
            p[0] = table[0][p[0]];
            p[1] = table[1][p[1]];
            p[2] = table[2][p[2]];
        }
    }
}

void BlendRect(TBitmap* dst, const TBitmap* srcBitmap, TColor weight, TRect r, TPoint at) {
    if (!dst || !srcBitmap) return;
    const TSameScale src(srcBitmap, dst->Scale());
    const int scale = dst->Scale();
    const TsBGR t = SplitColor(weight);
    const int sum = t.B + t.G + t.R;
    const double k = sum / 768.0;
    // Source rows and columns i with both ends inside the bitmaps.
    const int lastRow = std::min(src->Height() - r.Top - 1, r.Bottom - r.Top);
    const int lastCol = std::min(src->Width() - r.Left - 1, r.Right - r.Left);
    const int firstCol = std::max({0, -r.Left, -at.X});
    const int endCol = std::min(lastCol + 1, dst->Width() - at.X);
    if (endCol <= firstCol) return;
    const int bytes = (endCol - firstCol) * scale * 3;
    const int firstRow = std::max({0, -r.Top, -at.Y}) * scale;
    const int endRow = std::min(lastRow + 1, dst->Height() - at.Y) * scale;
    for (int i = firstRow; i < endRow; ++i) {
        uint8_t* d = dst->ScanLine(at.Y * scale + i) + (at.X + firstCol) * scale * 3;
        const uint8_t* s = src->ScanLine(r.Top * scale + i) + (r.Left + firstCol) * scale * 3;
        if (sum % 3 == 0) {
            // k = t/256 exactly, so the truncated mix is a shift of the exact product.
            const int tt = sum / 3;
            for (int j = PixelKernels::WeighRow(d, s, bytes, tt); j < bytes; ++j)
                d[j] = static_cast<uint8_t>(s[j] + (((d[j] - s[j]) * tt) >> 8));
        } else {
            for (int j = 0; j < bytes; ++j)
                d[j] = static_cast<uint8_t>((d[j] - s[j]) * k + s[j]);
        }
    }
}

void BlendBitmapOnto(TBitmap* dst, int x, int y, uint32_t keyColor, double alpha, TRect r,
                     const TBitmap* srcBitmap) {
    if (!dst || !srcBitmap || !ClipInclusive(r, srcBitmap->Width(), srcBitmap->Height())) return;
    const TSameScale src(srcBitmap, dst->Scale());
    if (x < 0) r.Left -= x, x = 0;
    if (y < 0) r.Top -= y, y = 0;
    const int scale = dst->Scale();
    const int cols = std::min(r.Right - r.Left + 1, dst->Width() - x) * scale;
    const int rows = std::min(r.Bottom - r.Top + 1, dst->Height() - y) * scale;
    if (cols <= 0 || rows <= 0) return;
    const bool keyed = (keyColor >> 24) < 255;
    const TsBGR key = SplitColor(static_cast<TColor>(keyColor));
    const TOnto onto = OntoTable(alpha);
    const uint8_t* table = onto.Table;
    const PixelKernels::TColorRow keyRow(key);
    uint8_t* d0 = dst->ScanLine(y * scale) + x * scale * 3;
    const uint8_t* s0 = src->ScanLine(r.Top * scale) + r.Left * scale * 3;
    const ptrdiff_t dStride = dst->Pixels().Stride(), sStride = src->Pixels().Stride();
    auto plain = [&](int j, int first, int count) {
        uint8_t* dp = d0 + j * dStride + first * 3;
        const uint8_t* sp = s0 + j * sStride + first * 3;
        // A copy the byte stores cannot reach: the loop keeps it in a register.
        const uint8_t* const mix = table;
        if (!keyed) {
            for (int i = 0; i < count * 3; ++i)
                dp[i] = mix[sp[i] * 256 + dp[i]];
            return;
        }
        for (int i = 0; i < count; ++i, dp += 3, sp += 3) {
            if (SameBGR(sp, key)) continue;
            dp[0] = mix[sp[0] * 256 + dp[0]];
            dp[1] = mix[sp[1] * 256 + dp[1]];
            dp[2] = mix[sp[2] * 256 + dp[2]];
        }
    };
    PixelKernels::OntoRows({d0, dStride, s0, sStride, s0, sStride, cols, rows}, onto.Formula,
                           keyed ? &keyRow : nullptr, PixelKernels::LeftTo(plain));
}

void BlendByMask(TBitmap* bitmap, const TBitmap* maskBitmap, TColor color) {
    if (!bitmap || !maskBitmap || bitmap->Width() != maskBitmap->Width() ||
        bitmap->Height() != maskBitmap->Height())
        return;
    const TSameScale mask(maskBitmap, bitmap->Scale());
    const int width = bitmap->Pixels().Width(), bytes = width * 3;
    const TsBGR bgr = SplitColor(ColorToRGB(color));
    const PixelKernels::TColorRow c(bgr);
    // The colour laid out as a row too, so that the plain loop runs over plain bytes.
    std::vector<uint8_t> colorRow(bytes);
    FillRow(colorRow.data(), width, bgr);
    for (int y = 0; y < bitmap->Pixels().Height(); ++y) {
        uint8_t* b = bitmap->ScanLine(y);
        const uint8_t* m = mask->ScanLine(y);
        for (int i = PixelKernels::MixColorRow(b, c, m, bytes); i < bytes; ++i)
            b[i] = MixByMask(b[i], colorRow[i], m[i]);
    }
}

namespace {
void Grey(TBitmap* bitmap, bool keyed, TsBGR key) {
    if (!bitmap) return;
    const TPixels& all = bitmap->Pixels();
    for (int y = 0; y < all.Height(); ++y) {
        uint8_t* p = bitmap->ScanLine(y);
        for (int x = 0; x < all.Width(); ++x, p += 3) {
            if (keyed && SameBGR(p, key)) continue;
            p[0] = p[1] = p[2] = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
        }
    }
}
} // namespace

void MakeGrey(TBitmap* bitmap) {
    Grey(bitmap, false, {});
}
void MakeGreyExcept(TBitmap* bitmap, TColor key) {
    Grey(bitmap, true, SplitColor(ColorToRGB(key)));
}

void FillRectColor(TBitmap* bitmap, TRect rect, TColor color) {
    if (!bitmap) return;
    rect = ScaleUp(rect.Intersect({0, 0, bitmap->Width(), bitmap->Height()}), bitmap->Scale());
    const TsBGR c = SplitColor(ColorToRGB(color));
    for (int y = rect.Top; y < rect.Bottom; ++y)
        FillRow(bitmap->ScanLine(y) + rect.Left * 3, rect.Width(), c);
}

void CopyRect(TBitmap* dst, TPoint at, const TBitmap* srcBitmap, TRect r) {
    if (!dst || !srcBitmap) return;
    const TSameScale src(srcBitmap, dst->Scale());
    // Cut the parts outside either bitmap from both rectangles together.
    const int dx = at.X - r.Left, dy = at.Y - r.Top;
    r = r.Intersect({0, 0, src->Width(), src->Height()});
    r = r.Intersect(TRect{0, 0, dst->Width(), dst->Height()}.Offset(-dx, -dy));
    if (r.IsEmpty()) return;
    const int scale = dst->Scale();
    r = ScaleUp(r, scale);
    const size_t bytes = static_cast<size_t>(r.Width()) * 3;
    // Within one bitmap, copy downwards moves bottom rows first. Small
    // pattern tiles make many short rows, so the rows are walked by pointer.
    const bool upward = dst == srcBitmap && dy > 0;
    const int first = upward ? r.Bottom - 1 : r.Top;
    ptrdiff_t dStride = dst->Pixels().Stride(), sStride = src->Pixels().Stride();
    if (upward) dStride = -dStride, sStride = -sStride;
    uint8_t* d = dst->ScanLine(first + dy * scale) + (r.Left + dx * scale) * 3;
    const uint8_t* s = src->ScanLine(first) + r.Left * 3;
    for (int n = r.Height(); n > 0; --n, d += dStride, s += sStride)
        std::memmove(d, s, bytes);
}

#include "platform/scaled/PixelScale.h"

#include <cstring>

TRect ScaleUp(const TRect& r, int scale) {
    return {r.Left * scale, r.Top * scale, r.Right * scale, r.Bottom * scale};
}

TPoint ScaleUp(TPoint p, int scale) {
    return {p.X * scale, p.Y * scale};
}

TRegion ScaleUp(const TRegion& region, int scale) {
    TRegion result;
    for (const TRect& r : region.Rects())
        result.Union(ScaleUp(r, scale));
    return result;
}

int ScaleDown(int device, int scale) {
    return device >= 0 ? device / scale : -((-device + scale - 1) / scale);
}

TPoint ScaleDown(TPoint p, int scale) {
    return {ScaleDown(p.X, scale), ScaleDown(p.Y, scale)};
}

TRect ScaleDown(const TRect& r, int scale) {
    // Left and top round up, right and bottom down: only whole blocks count.
    return {-ScaleDown(-r.Left, scale), -ScaleDown(-r.Top, scale), ScaleDown(r.Right, scale),
            ScaleDown(r.Bottom, scale)};
}

void ScaleUpInto(const TPixels& src, const TRect& r, int scale, TPixels& dst) {
    const TRect area = r.Intersect(TRect{0, 0, src.Width(), src.Height()});
    if (area.IsEmpty()) return;
    const size_t rowBytes = static_cast<size_t>(area.Width()) * scale * 3;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const uint8_t* s = src.ScanLine(y) + area.Left * 3;
        uint8_t* first = dst.ScanLine(y * scale) + area.Left * scale * 3;
        uint8_t* d = first;
        for (int x = area.Left; x < area.Right; ++x, s += 3)
            for (int k = 0; k < scale; ++k, d += 3) {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        // The other rows of the block are the same bytes.
        for (int k = 1; k < scale; ++k)
            std::memcpy(dst.ScanLine(y * scale + k) + area.Left * scale * 3, first, rowBytes);
    }
}

TPixels ResamplePixels(const TPixels& pixels, int from, int to) {
    if (from == to) return pixels;
    const int w = pixels.Width() / from, h = pixels.Height() / from;
    TPixels out(w * to, h * to);
    for (int y = 0; y < h * to; ++y) {
        const uint8_t* s = pixels.ScanLine(y / to * from);
        uint8_t* d = out.ScanLine(y);
        if (y % to != 0) {
            std::memcpy(d, out.ScanLine(y - 1), static_cast<size_t>(w) * to * 3);
            continue;
        }
        for (int x = 0; x < w; ++x, d += to * 3)
            for (int k = 0; k < to; ++k)
                std::memcpy(d + k * 3, s + x * from * 3, 3);
    }
    return out;
}

TPixels ScaleUpPixels(const TPixels& src, int scale) {
    return ResamplePixels(src, 1, scale);
}

TPixels ScaleDownPixels(const TPixels& src, int scale) {
    return ResamplePixels(src, scale, 1);
}

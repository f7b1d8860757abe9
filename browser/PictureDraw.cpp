#include "browser/PictureDraw.h"

#include <algorithm>

namespace {

TRect Inside(const TRect& r, const TRect& clip, const TBitmap& target) {
    return r.Intersect(clip).Intersect(TRect{0, 0, target.Width(), target.Height()});
}

// (c * a + d * (255 - a)) / 255, rounded: the blend every painter uses.
uint8_t Mix(int c, int d, int a) {
    return static_cast<uint8_t>((c * a + d * (255 - a) + 127) / 255);
}

} // namespace

void FillPixels(TBitmap& target, const TRect& r, TColor color, const TRect& clip) {
    BlendPixels(target, r, color, 255, clip);
}

void BlendPixels(TBitmap& target, const TRect& r, TColor color, int alpha, const TRect& clip) {
    const TRect i = ScaleUp(Inside(r, clip, target), target.Scale());
    if (i.IsEmpty() || alpha <= 0) return;
    const int red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    for (int y = i.Top; y < i.Bottom; ++y) {
        uint8_t* p = target.ScanLine(y) + i.Left * 3;
        for (int x = i.Left; x < i.Right; ++x, p += 3) {
            p[0] = Mix(blue, p[0], alpha);
            p[1] = Mix(green, p[1], alpha);
            p[2] = Mix(red, p[2], alpha);
        }
    }
}

namespace {
void DrawPictureScaled(TBitmap& target, const TPicture& picture, const TRect& box, const TRect& i) {
    const int s = target.Scale();
    const int64_t bw = box.Width(), bh = box.Height();
    for (int y = i.Top * s; y < i.Bottom * s; ++y) {
        const int sy = static_cast<int>((y / s - box.Top) * picture.Height() / bh);
        const uint8_t* srcRow = picture.Pixels.ScanLine(sy);
        const uint8_t* alphaRow = picture.Alpha.data() + static_cast<size_t>(sy) * picture.Width();
        uint8_t* p = target.ScanLine(y) + i.Left * s * 3;
        for (int x = i.Left * s; x < i.Right * s; ++x, p += 3) {
            const int sx = static_cast<int>((x / s - box.Left) * picture.Width() / bw);
            const int a = alphaRow[sx];
            if (a == 0) continue;
            const uint8_t* src = srcRow + sx * 3;
            for (int k = 0; k < 3; ++k)
                p[k] = a == 255 ? src[k] : Mix(src[k], p[k], a);
        }
    }
}
} // namespace

void DrawPicture(TBitmap& target, const TPicture& picture, const TRect& box, const TRect& clip) {
    const TRect i = Inside(box, clip, target);
    if (i.IsEmpty() || picture.Width() <= 0 || picture.Height() <= 0) return;
    const int64_t bw = box.Width(), bh = box.Height();
    // The picture's pixel is chosen per logical pixel, so that on a scaled
    // bitmap the picture lands as its scale-1 look enlarged.
    const int s = target.Scale();
    if (s != 1) {
        DrawPictureScaled(target, picture, box, i);
        return;
    }
    for (int y = i.Top; y < i.Bottom; ++y) {
        const int sy = static_cast<int>((y - box.Top) * picture.Height() / bh);
        const uint8_t* srcRow = picture.Pixels.ScanLine(sy);
        const uint8_t* alphaRow = picture.Alpha.data() + static_cast<size_t>(sy) * picture.Width();
        uint8_t* p = target.ScanLine(y) + i.Left * 3;
        for (int x = i.Left; x < i.Right; ++x, p += 3) {
            const int sx = static_cast<int>((x - box.Left) * picture.Width() / bw);
            const int a = alphaRow[sx];
            if (a == 0) continue;
            const uint8_t* s = srcRow + sx * 3;
            for (int k = 0; k < 3; ++k)
                p[k] = a == 255 ? s[k] : Mix(s[k], p[k], a);
        }
    }
}

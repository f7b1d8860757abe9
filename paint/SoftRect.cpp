#include "paint/SoftRect.h"

#include <algorithm>
#include <cmath>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "paint/Blend.h"
#include "paint/ParentColors.h"
#include "paint/ShapeFill.h"

namespace {
TColor Grey(int g) {
    return g | (g << 8) | (g << 16);
}
} // namespace

void SoftRect(TBitmap* bitmap, TRect rect, int percent, int radius, int blur, TColor color) {
    const int w = rect.Width(), h = rect.Height();
    if (!bitmap || w <= 0 || h <= 0) return;
    // Negative sizes would divide by zero below; they mean no blur and no rounding.
    const int n = std::min(std::min(w / 2, h / 2), std::max(blur, 0));
    const int r = std::min(std::min(w / 2, h / 2), std::max(radius, 0));
    const int t = std::clamp(percent, 0, 100) * 255 / 100;
    const double step = (255.0 - t) / (n + 1);

    TBitmap scratch(w, h, bitmap->Scale());
    CopyRect(&scratch, {0, 0}, bitmap, rect);
    // Pixels outside the rounded outer ring keep the bitmap as it is.
    TBitmap mask(w, h, bitmap->Scale());
    mask.Pixels().Fill(0xFFFFFF);
    for (int i = 0; i <= n; ++i) {
        const int grey = i == 0 ? 255 : t + static_cast<int>(std::lrint((n - i + 1) * step));
        FillRoundRect(&mask, {i, i, w - i, h - i}, r, r, Grey(grey));
    }
    FillRoundRect(&mask, {n, n, w - n, h - n}, n, n, Grey(t));
    BlendByMask(&scratch, &mask, color);
    CopyRect(bitmap, {rect.Left, rect.Top}, &scratch, {0, 0, w, h});
}

void PaintDisabled(TBitmap* bitmap, int flags, TColor parentColor, const TCacheInfo& parent,
                   TPoint offset) {
    if (!bitmap || bitmap->Empty()) return;
    if (flags & dfGrey) MakeGrey(bitmap);
    if (!(flags & dfBlended)) return;
    if (parent.Ready && parent.Bitmap) {
        const TRect under =
            Bounds(parent.X + offset.X, parent.Y + offset.Y, bitmap->Width(), bitmap->Height());
        // The source rectangle's right and bottom are inclusive.
        BlendBitmapOnto(bitmap, 0, 0, NoKeyColor, 0.4,
                        {under.Left, under.Top, under.Right - 1, under.Bottom - 1}, parent.Bitmap);
        return;
    }
    const TColor color = ColorToRGB(IsColorSet(ParentBackColor) ? ParentBackColor : parentColor);
    SoftRect(bitmap, {0, 0, bitmap->Width(), bitmap->Height()}, 50, 0, 0, color);
}

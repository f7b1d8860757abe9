#include "paint/ShapeFill.h"

#include <algorithm>
#include <cmath>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "paint/PixelRow.h"

void FillRoundRect(TBitmap* bitmap, TRect rect, int cornerW, int cornerH, TColor color) {
    if (!bitmap || rect.IsEmpty()) return;
    const TsBGR c = SplitColor(ColorToRGB(color));
    const double rx = std::clamp(cornerW, 0, rect.Width()) / 2.0;
    const double ry = std::clamp(cornerH, 0, rect.Height()) / 2.0;
    const int top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, bitmap->Height());
    for (int y = top; y < bottom; ++y) {
        const double cy = y + 0.5;
        // Distance into a corner band, as a share of the corner's half height.
        double into = 0;
        if (ry > 0 && cy < rect.Top + ry) into = (rect.Top + ry - cy) / ry;
        if (ry > 0 && cy > rect.Bottom - ry) into = (cy - (rect.Bottom - ry)) / ry;
        double left = rect.Left, right = rect.Right;
        if (into > 0) {
            const double half = rx * std::sqrt(std::max(0.0, 1 - into * into));
            left = rect.Left + rx - half;
            right = rect.Right - rx + half;
        }
        // Pixels whose centre x + 0.5 lies in [left, right].
        const int x0 = std::max(static_cast<int>(std::ceil(left - 0.5)), std::max(rect.Left, 0));
        const int x1 = std::min(static_cast<int>(std::floor(right - 0.5)) + 1,
                                std::min(rect.Right, bitmap->Width()));
        // Worked out in logical pixels, written as blocks of device ones.
        const int s = bitmap->Scale();
        for (int row = y * s; x1 > x0 && row < (y + 1) * s; ++row)
            FillRow(bitmap->ScanLine(row) + x0 * s * 3, (x1 - x0) * s, c);
    }
}

void FillEllipse(TBitmap* bitmap, TRect rect, TColor color) {
    FillRoundRect(bitmap, rect, rect.Width(), rect.Height(), color);
}

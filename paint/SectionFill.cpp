#include "paint/SectionFill.h"

#include <algorithm>

#include "framework/graphics/TBitmap.h"
#include "paint/Blend.h"

namespace {
TColor WeightOf(int percent) {
    const int t = std::clamp(percent, 0, 100) * 255 / 100;
    return t | (t << 8) | (t << 16);
}
} // namespace

void TilePattern(TBitmap* dst, TRect rect, const TBitmap* tile, TRect tileRect) {
    if (!dst || !tile) return;
    tileRect = tileRect.Intersect({0, 0, tile->Width(), tile->Height()});
    if (tileRect.IsEmpty()) return;
    // Only the part of Rect inside the bitmap needs tiles; keep the grid anchored at Rect.
    const TRect area = rect.Intersect({0, 0, dst->Width(), dst->Height()});
    if (area.IsEmpty()) return;
    const int tw = tileRect.Width(), th = tileRect.Height();
    for (int y = rect.Top; y < area.Bottom; y += th) {
        if (y + th <= area.Top) continue;
        const int h = std::min(th, rect.Bottom - y);
        for (int x = rect.Left; x < area.Right; x += tw) {
            if (x + tw <= area.Left) continue;
            const int w = std::min(tw, rect.Right - x);
            CopyRect(dst, {x, y}, tile, Bounds(tileRect.Left, tileRect.Top, w, h));
        }
    }
}

void FillSectionOpaque(TBitmap* bitmap, TRect rect, const TsSectionLook& look) {
    if (!bitmap || rect.IsEmpty()) return;
    const int ip = look.ImagePercent, gp = look.GradientPercent;
    static const TsGradArray none;
    const TsGradArray& gradient = look.GradientArray ? *look.GradientArray : none;
    bool covered = false;
    if (ip > 0) {
        if (look.Pattern) {
            TilePattern(bitmap, rect, look.Pattern, look.PatternRect);
            covered = true;
        } else {
            FillRectColor(bitmap, rect, look.Color);
        }
    }
    if (gp > 0) {
        if (covered) {
            TBitmap scratch(rect.Width(), rect.Height(), bitmap->Scale());
            if (look.GradientData.empty())
                FillRectColor(&scratch, {0, 0, rect.Width(), rect.Height()}, look.Color);
            else
                FillGradient(&scratch, {0, 0, rect.Width(), rect.Height()}, gradient);
            BlendRect(bitmap, &scratch, WeightOf(ip), {0, 0, rect.Width(), rect.Height()},
                      {rect.Left, rect.Top});
        } else if (look.GradientData.empty()) {
            FillRectColor(bitmap, rect, look.Color);
        } else {
            FillGradient(bitmap, rect, gradient);
        }
    }
    const int share = gp + ip;
    if (share >= 1 && share <= 99) {
        // The blend takes inclusive ends; stop at the rectangle's own last row and column.
        BlendColorRect(bitmap, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1},
                       static_cast<uint8_t>(share), look.Color);
    } else if (share != 100) {
        const bool useOverride = IsColorSet(look.BackOverride) && look.Transparency != 0;
        FillRectColor(bitmap, rect, useOverride ? look.BackOverride : look.Color);
    }
}

namespace {
// The parent's pixels under the control, or the override colour, into Rect.
void PutBackground(const TsSectionLook& look, const TCacheInfo& parent, TBitmap* target, TRect rect,
                   TPoint offset, bool useOverride) {
    if (useOverride && IsColorSet(look.BackOverride)) {
        FillRectColor(target, rect, look.BackOverride);
    } else if (target != parent.Bitmap) {
        CopyRect(target, {rect.Left, rect.Top}, parent.Bitmap,
                 Bounds(parent.X + offset.X, parent.Y + offset.Y, rect.Width(), rect.Height()));
    }
}
} // namespace

void PaintSectionLook(const TsSectionLook& look, const TCacheInfo& parent, TBitmap* target,
                      TRect rect, TPoint offset, bool useOverride) {
    if (!target || rect.IsEmpty()) return;
    const bool ready = parent.Ready && parent.Bitmap;
    if (look.Transparency >= 100 && ready) {
        PutBackground(look, parent, target, rect, offset, useOverride);
    } else if (look.Transparency <= 0 || !ready) {
        FillSectionOpaque(target, rect, look);
    } else {
        TBitmap scratch(rect.Width(), rect.Height(), target->Scale());
        FillSectionOpaque(&scratch, {0, 0, rect.Width(), rect.Height()}, look);
        PutBackground(look, parent, target, rect, offset, useOverride);
        BlendRect(target, &scratch, WeightOf(look.Transparency),
                  {0, 0, rect.Width(), rect.Height()}, {rect.Left, rect.Top});
    }
}

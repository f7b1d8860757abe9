#include "hints/HintPaint.h"

#include <algorithm>
#include <cmath>

#include "framework/graphics/Graphics.h"
#include "framework/graphics/TBitmap.h"
#include "hints/TsHintLook.h"
#include "paint/Blend.h"
#include "paint/SectionFill.h"
#include "paint/TSameScale.h"

namespace {
constexpr int kWhite = 255;
constexpr int kFull = 100;

uint32_t Weight(int t) {
    const auto b = static_cast<uint32_t>(t);
    return b | (b << 8) | (b << 16);
}
} // namespace

int ShapeLevel(const TsHintLook& look) {
    return std::max(look.Transparency, 0) * kWhite / kFull;
}

int ShadowLevel(const TsHintLook& look) {
    const int st = look.Shadow.Transparency;
    const double percent = (kFull - st) * std::max(look.Transparency, 0) / double(kFull) + st;
    return static_cast<int>(std::lround(percent)) * kWhite / kFull;
}

void FillHintBody(TBitmap* bitmap, TRect rect, const TsHintLook& look, const TsGradArray& gradient,
                  const TBitmap* texture) {
    TsSectionLook s;
    s.Color = look.Color;
    s.GradientPercent = gradient.empty() ? 0 : look.GradientPercent;
    s.GradientData = gradient.empty() ? "" : "set";
    s.GradientArray = &gradient;
    s.ImagePercent = look.TexturePercent;
    if (texture && !texture->Empty()) {
        s.Pattern = texture;
        s.PatternRect = TRect{0, 0, texture->Width(), texture->Height()};
    }
    FillSectionOpaque(bitmap, rect, s);
}

void BodyOverScreen(TBitmap* body, const TBitmap* screen, TRect rect, int transparency) {
    if (transparency <= 0) return;
    TBitmap opaque(rect.Width(), rect.Height(), body->Scale());
    CopyRect(&opaque, {0, 0}, body, rect);
    CopyRect(body, {rect.Left, rect.Top}, screen, rect);
    if (transparency >= kFull) return;
    BlendRect(body, &opaque, Weight(transparency * kWhite / kFull),
              {0, 0, rect.Width(), rect.Height()}, {rect.Left, rect.Top});
}

// The mask mixes below give each pixel by itself, so they run on device rows.
void DarkenByMask(TBitmap* picture, const TBitmap* maskBitmap, TColor color) {
    const TsBGR c = SplitColor(ColorToRGB(color));
    const TSameScale mask(maskBitmap, picture->Scale());
    const int w = std::min(picture->Pixels().Width(), mask->Pixels().Width());
    const int h = std::min(picture->Pixels().Height(), mask->Pixels().Height());
    for (int y = 0; y < h; ++y) {
        uint8_t* p = picture->ScanLine(y);
        const uint8_t* m = mask->ScanLine(y);
        for (int x = 0; x < w; ++x, p += 3, m += 3) {
            if (m[0] == kWhite) continue;
            p[0] = MixByMask(p[0], c.B, m[0]);
            p[1] = MixByMask(p[1], c.G, m[0]);
            p[2] = MixByMask(p[2], c.R, m[0]);
        }
    }
}

void MixThroughMask(TBitmap* picture, const TBitmap* bodyBitmap, const TBitmap* maskBitmap,
                    int level) {
    const int den = kWhite - std::clamp(level, 0, kWhite);
    if (den == 0) return; // a body that lets everything through adds nothing
    const TSameScale body(bodyBitmap, picture->Scale()), mask(maskBitmap, picture->Scale());
    const TPixels &pp = picture->Pixels(), &bp = body->Pixels(), &mp = mask->Pixels();
    const int w = std::min({pp.Width(), bp.Width(), mp.Width()});
    const int h = std::min({pp.Height(), bp.Height(), mp.Height()});
    for (int y = 0; y < h; ++y) {
        uint8_t* p = picture->ScanLine(y);
        const uint8_t* b = body->ScanLine(y);
        const uint8_t* m = mask->ScanLine(y);
        for (int x = 0; x < w * 3; x += 3) {
            if (m[x] == kWhite) continue;
            const int num = std::min(kWhite - m[x], den);
            for (int k = 0; k < 3; ++k)
                p[x + k] =
                    static_cast<uint8_t>((b[x + k] * num + p[x + k] * (den - num) + den / 2) / den);
        }
    }
}

void PaintBevelFrame(TBitmap* bitmap, TRect rect, int width, TColor top, TColor bottom) {
    for (int i = 0; i < width && rect.Width() > 2 * i && rect.Height() > 2 * i; ++i) {
        const TRect r{rect.Left + i, rect.Top + i, rect.Right - i, rect.Bottom - i};
        FillRectColor(bitmap, {r.Left, r.Top, r.Right, r.Top + 1}, top);
        FillRectColor(bitmap, {r.Left, r.Top, r.Left + 1, r.Bottom}, top);
        FillRectColor(bitmap, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottom);
        FillRectColor(bitmap, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottom);
    }
}

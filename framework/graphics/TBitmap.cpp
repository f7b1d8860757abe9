#include "graphics/TBitmap.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "graphics/TCanvas.h"

namespace {
int gGraphicsScale = 1;

int CheckedScale(int scale) {
    if (scale < 1 || scale > TBitmap::MaxScale) throw std::invalid_argument("Bad graphics scale");
    return scale;
}
} // namespace

int GraphicsScale() {
    return gGraphicsScale;
}

void SetGraphicsScale(int scale) {
    gGraphicsScale = CheckedScale(scale);
}

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height, int scale) : FScale(CheckedScale(scale)) {
    SetSize(width, height);
}
TBitmap::~TBitmap() = default;

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(this);
    return FCanvas.get();
}

void TBitmap::SetPixel(int x, int y, TColor c) {
    if (FScale == 1) {
        FPixels.SetPixel(x, y, static_cast<uint32_t>(c));
        return;
    }
    for (int dy = 0; dy < FScale; ++dy)
        for (int dx = 0; dx < FScale; ++dx)
            FPixels.SetPixel(x * FScale + dx, y * FScale + dy, static_cast<uint32_t>(c));
}

void TBitmap::SetScale(int scale) {
    CheckedScale(scale);
    if (scale == FScale) return;
    FPixels = ResamplePixels(FPixels, FScale, scale);
    FScale = scale;
}

void TBitmap::SetPixels(TPixels pixels, int pixelsScale) {
    CheckedScale(pixelsScale);
    FPixels =
        pixelsScale == FScale ? std::move(pixels) : ResamplePixels(pixels, pixelsScale, FScale);
}

void TBitmap::Assign(const TBitmap& src) {
    if (&src == this) return;
    FPixels = src.FPixels;
    FScale = src.FScale;
    Transparent = src.Transparent;
    TransparentColor = src.TransparentColor;
}

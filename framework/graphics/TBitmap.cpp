#include "graphics/TBitmap.h"

#include <cstring>

#include "graphics/TCanvas.h"

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}
TBitmap::~TBitmap() = default;

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(this);
    return FCanvas.get();
}

void TBitmap::Assign(const TBitmap& src) {
    if (&src == this) return;
    FPixels = src.FPixels;
    Transparent = src.Transparent;
    TransparentColor = src.TransparentColor;
}

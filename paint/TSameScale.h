#pragma once
// A source picture at the scale of the bitmap it is painted onto. Painters
// work on device rows, which only line up between bitmaps of one scale; a
// source of another scale (a picture not yet made for the screen) is
// resampled once per call, which is slow but keeps the picture right.

#include <memory>

#include "framework/graphics/TBitmap.h"

class TSameScale {
public:
    TSameScale(const TBitmap* source, int scale) : FBitmap(source) {
        if (!source || source->Scale() == scale) return;
        FCopy = std::make_unique<TBitmap>(0, 0, scale);
        FCopy->SetPixels(source->Pixels(), source->Scale());
        FCopy->Transparent = source->Transparent;
        FCopy->TransparentColor = source->TransparentColor;
        FBitmap = FCopy.get();
    }
    const TBitmap* operator->() const { return FBitmap; }
    const TBitmap& operator*() const { return *FBitmap; }
    const TBitmap* Get() const { return FBitmap; }

private:
    const TBitmap* FBitmap;
    std::unique_ptr<TBitmap> FCopy;
};

#pragma once
// Drawing onto a bitmap or a window's device context.

class TBitmap;

class TCanvas {
public:
    explicit TCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
    virtual ~TCanvas() = default;
    TBitmap* Bitmap() const { return FBitmap; }

private:
    TBitmap* FBitmap;
};

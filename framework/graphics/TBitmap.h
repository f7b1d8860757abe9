#pragma once
// The one bitmap type: 24 bits, blue-green-red rows reached through ScanLine.
// Used for canvases, caches, masks, the forms' back buffers and screenshots.

#include <cstdint>
#include <memory>

#include "platform/TPixels.h"
#include "platform/Types.h"

class TCanvas;

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FPixels.Width(); }
    int Height() const { return FPixels.Height(); }
    void SetWidth(int w) { FPixels.SetSize(w, FPixels.Height()); }
    void SetHeight(int h) { FPixels.SetSize(FPixels.Width(), h); }
    void SetSize(int w, int h) { FPixels.SetSize(w, h); }
    bool Empty() const { return Width() == 0 || Height() == 0; }

    uint8_t* ScanLine(int y) { return FPixels.ScanLine(y); }
    const uint8_t* ScanLine(int y) const { return FPixels.ScanLine(y); }
    // Colour value of a pixel (red in the low byte); x and y must be inside.
    TColor Pixel(int x, int y) const { return static_cast<TColor>(FPixels.Pixel(x, y)); }
    void SetPixel(int x, int y, TColor c) { FPixels.SetPixel(x, y, static_cast<uint32_t>(c)); }

    // Drawing onto this bitmap. Created on first use.
    TCanvas* Canvas();

    // With Transparent set, Draw onto a canvas leaves pixels of TransparentColor out.
    bool Transparent = false;
    TColor TransparentColor = 0xFF00FF;

    TPixels& Pixels() { return FPixels; }
    const TPixels& Pixels() const { return FPixels; }
    void Assign(const TBitmap& src);

private:
    TPixels FPixels;
    std::unique_ptr<TCanvas> FCanvas;
};

#pragma once
// The one bitmap type: 24 bits, blue-green-red rows reached through ScanLine.
// Used for canvases, caches, masks, the forms' back buffers and screenshots.
//
// A bitmap has a scale: Width() and Height() are logical pixels, the ones every
// layout in the program counts in, while the rows hold Width() x Scale() device
// pixels and there are Height() x Scale() of them. On a high-DPI screen the
// bitmaps that end on screen are made at GraphicsScale(), so that text can be
// drawn with the screen's own pixels; at scale 1 the two kinds are the same.
// ScanLine and Pixels() reach device pixels; Pixel and SetPixel take logical
// coordinates and read the first device pixel of the block, or set all of it.

#include <cstdint>
#include <memory>

#include "platform/TPixels.h"
#include "platform/Types.h"
#include "platform/scaled/PixelScale.h"

class TCanvas;

// The scale of bitmaps made for the screen. Set once at start, before any
// window; 1 unless the screen asks for more.
int GraphicsScale();
void SetGraphicsScale(int scale);

class TBitmap {
public:
    static constexpr int MaxScale = 4;

    TBitmap();
    TBitmap(int width, int height, int scale = 1);
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return FScale == 1 ? FPixels.Width() : FPixels.Width() / FScale; }
    int Height() const { return FScale == 1 ? FPixels.Height() : FPixels.Height() / FScale; }
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }
    void SetSize(int w, int h) { FPixels.SetSize(w * FScale, h * FScale); }
    bool Empty() const { return Width() == 0 || Height() == 0; }

    int Scale() const { return FScale; }
    // Changes the scale and resamples what the bitmap holds: blocks of the
    // new scale taken nearest-neighbour, so a picture stays the same picture.
    void SetScale(int scale);

    uint8_t* ScanLine(int y) { return FPixels.ScanLine(y); }
    const uint8_t* ScanLine(int y) const { return FPixels.ScanLine(y); }
    // Colour value of a logical pixel (red in the low byte); x and y must be inside.
    TColor Pixel(int x, int y) const {
        return static_cast<TColor>(FPixels.Pixel(x * FScale, y * FScale));
    }
    void SetPixel(int x, int y, TColor c);

    // Drawing onto this bitmap. Created on first use.
    TCanvas* Canvas();

    // With Transparent set, Draw onto a canvas leaves pixels of TransparentColor out.
    bool Transparent = false;
    TColor TransparentColor = 0xFF00FF;

    // The device pixels. Whoever replaces them keeps to Scale(); pixels of
    // another scale come in through SetPixels.
    TPixels& Pixels() { return FPixels; }
    const TPixels& Pixels() const { return FPixels; }
    // Takes pixels made at pixelsScale (decoded files are 1), resampled to this
    // bitmap's scale: a 1x picture on a 2x bitmap has each pixel doubled.
    void SetPixels(TPixels pixels, int pixelsScale = 1);
    // Copies pixels, size and scale.
    void Assign(const TBitmap& src);

private:
    TPixels FPixels;
    int FScale = 1;
    std::unique_ptr<TCanvas> FCanvas;
};

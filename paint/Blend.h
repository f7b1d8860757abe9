#pragma once
// Pixel blends on 24-bit bitmaps: colour over a rectangle, bitmap over bitmap,
// colour through a mask, greyscale, and the plain fills and copies the
// painters build on. Every operation clips to its bitmaps.

#include <cstdint>

#include "paint/Gradient.h"
#include "platform/Types.h"

class TBitmap;

// The mask mix of one channel: b weighted by m, c by 255 - m, over 256. The
// sum is below 65536, so 16-bit arithmetic gives it exactly.
inline uint8_t MixByMask(uint8_t b, uint8_t c, uint8_t m) {
    return static_cast<uint8_t>(static_cast<uint16_t>(b * m + c * (255 - m)) >> 8);
}

// Right and bottom are inclusive: (0, 0, 10, 10) changes 11 x 11 pixels.
// Each channel becomes rounded(old * p/100 + colour * (1 - p/100)).
void BlendColorRect(TBitmap* bitmap, TRect rect, uint8_t percent, TColor color);

// Mixes Src's rectangle into Dst at DstPoint. Weight holds t in each of its
// three low bytes; the destination keeps (sum of the bytes) / 768 and the
// source gets the rest, truncated. Rows and columns run from 0 to the
// rectangle's height and width inclusive, cut at the source's last row and
// column (so a source exactly the rectangle's size gives the rectangle).
void BlendRect(TBitmap* dst, const TBitmap* src, TColor weight, TRect srcRect, TPoint dstPoint);

// Mixes Src's rectangle (inclusive right and bottom) into Dst at (x, y): the
// destination keeps Alpha, rounded. When the top byte of KeyColor is below
// 255, source pixels of its colour are left out.
void BlendBitmapOnto(TBitmap* dst, int x, int y, uint32_t keyColor, double alpha, TRect srcRect,
                     const TBitmap* src);
constexpr uint32_t NoKeyColor = 0xFF000000;

// Every channel becomes MixByMask(pixel, colour, mask channel). Only for a
// mask of the bitmap's size.
void BlendByMask(TBitmap* bitmap, const TBitmap* mask, TColor color);

// Each pixel becomes the truncated average of its channels; MakeGreyExcept
// leaves pixels of the key colour.
void MakeGrey(TBitmap* bitmap);
void MakeGreyExcept(TBitmap* bitmap, TColor key);

// A solid fill of the half-open rectangle; system colour codes resolved.
void FillRectColor(TBitmap* bitmap, TRect rect, TColor color);
// A plain rectangle copy (half-open source rectangle) to Dst at DstPoint.
void CopyRect(TBitmap* dst, TPoint dstPoint, const TBitmap* src, TRect srcRect);

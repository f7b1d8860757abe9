#pragma once
// Whole-number scaling between logical pixels (what the program draws in) and
// device pixels (what a high-density screen shows): each logical pixel is a
// Scale x Scale block. Pictures are enlarged by repeating pixels, never
// smoothed, so a skin's edges stay as sharp as they were drawn.

#include "platform/TPixels.h"
#include "platform/TRegion.h"
#include "platform/Types.h"

// The device rectangle covering the logical one.
TRect ScaleUp(const TRect& r, int scale);
TPoint ScaleUp(TPoint p, int scale);
TRegion ScaleUp(const TRegion& region, int scale);

// The logical pixel holding a device coordinate (rounds toward minus infinity,
// so a pointer just left of a window stays outside it).
int ScaleDown(int device, int scale);
TPoint ScaleDown(TPoint p, int scale);
// The logical rectangle whose device pixels lie inside r.
TRect ScaleDown(const TRect& r, int scale);

// Copies the logical rectangle r of src, enlarged, into dst, which is src's
// size times the scale. r is clipped to src.
void ScaleUpInto(const TPixels& src, const TRect& r, int scale, TPixels& dst);
// A picture made at one scale as made at another, by nearest neighbour:
// each pixel repeated into a block, or the first pixel of each block taken.
TPixels ResamplePixels(const TPixels& pixels, int from, int to);
// The whole picture enlarged.
TPixels ScaleUpPixels(const TPixels& src, int scale);
// One pixel (the top left one) of every block: the inverse of ScaleUpPixels.
TPixels ScaleDownPixels(const TPixels& src, int scale);

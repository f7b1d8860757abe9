#pragma once
// Pixel work of the page painter straight on the pane's bitmap, each call
// clipped to a rectangle: solid rectangles, and pictures scaled to a box
// (nearest pixel, as pages' pictures are drawn at their own size nearly
// always) with their alpha blended over what is there.

#include "browser/TPicture.h"
#include "framework/graphics/TBitmap.h"
#include "platform/Types.h"

void FillPixels(TBitmap& target, const TRect& r, TColor color, const TRect& clip);
// Blends the colour over the rectangle with alpha 0..255.
void BlendPixels(TBitmap& target, const TRect& r, TColor color, int alpha, const TRect& clip);
void DrawPicture(TBitmap& target, const TPicture& picture, const TRect& box, const TRect& clip);

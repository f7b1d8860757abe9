#pragma once
// Solid fills of rounded rectangles and ellipses, with no outline.
//
// Which pixels a shape covers: those of the half-open rectangle whose centres
// lie inside the shape. The shape spans the rectangle's edges; each corner is
// a quarter of an ellipse CornerW wide and CornerH high (cut to the
// rectangle's size). A corner size of 0 gives the whole half-open rectangle,
// as a rectangle fill does, so nested shapes of one colour leave no seams.

#include "platform/Types.h"

class TBitmap;

void FillRoundRect(TBitmap* bitmap, TRect rect, int cornerW, int cornerH, TColor color);
void FillEllipse(TBitmap* bitmap, TRect rect, TColor color);

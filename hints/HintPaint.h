#pragma once
// The pixel work of a hint picture, apart from any window: the body's fill,
// its transparency over the captured screen, the shadow, the mix of body and
// background through the shape mask, and the bevel.

#include "paint/Gradient.h"
#include "platform/Types.h"

class TBitmap;
struct TsHintLook;

// The mask level inside a shape: how much of what lies below shows there.
int ShapeLevel(const TsHintLook& look);
// The same for the shadow: its see-through share, which grows with the body's.
int ShadowLevel(const TsHintLook& look);

// The opaque body in rect: colour, tiled texture and gradient mixed by their
// percentages, as a skin section's background.
void FillHintBody(TBitmap* bitmap, TRect rect, const TsHintLook& look, const TsGradArray& gradient,
                  const TBitmap* texture);
// Lays the opaque body (same size as screen) over the captured screen by
// Transparency: 0 keeps the body, 100 gives the screen, values between blend.
// The result replaces body.
void BodyOverScreen(TBitmap* body, const TBitmap* screen, TRect rect, int transparency);
// Darkens the picture with color where the mask is below white, keeping
// (mask / 256) of each pixel.
void DarkenByMask(TBitmap* picture, const TBitmap* mask, TColor color);
// Where the mask is below white, mixes the body into the picture: all body
// at Level and below, less toward white, none at white.
void MixThroughMask(TBitmap* picture, const TBitmap* body, const TBitmap* mask, int level);
// A raised frame of the given width inside rect: top and left in one colour,
// bottom and right in the other.
void PaintBevelFrame(TBitmap* bitmap, TRect rect, int width, TColor top, TColor bottom);

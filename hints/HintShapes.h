#pragma once
// The pieces the hint windows draw their shapes with: where the window sits
// against the anchor and the desktop (the corner code), the body and tail
// geometry of one window, and the masks whose rings give a shape its soft
// edge. Masks are 24-bit greys: 255 lets what lies below through, lower
// values are more of the body (or of the shadow).

#include <functional>
#include <vector>

#include "platform/TRegion.h"
#include "platform/Types.h"

class TBitmap;

struct TsPointF {
    double X = 0;
    double Y = 0;
};

// Where a hint opens: its screen rectangle, and the corner of it that faces
// the anchor: 0 below right of the anchor, 1 above right, 2 below left, 3 above left.
struct TsHintPlacement {
    TRect Bounds;
    int Corner = 0;
};
constexpr int kCornerAbove = 1;
constexpr int kCornerLeft = 2;
TsHintPlacement PlaceHint(TPoint anchor, TSize size, const TRect& desktop);

// The parts of one hint window, in window coordinates.
struct TsHintGeometry {
    TSize Size;     // the window
    int Corner = 0; // as in TsHintPlacement
    int ShadowRoom = 0;
    int TailRoom = 0; // height taken by a tail above or below the shape
    TSize Extra;      // what the ellipse and balloon add around the text
    int Radius = 0;   // corner size of a rounded shape

    // The window less the shadow's room at the right and bottom.
    TRect Body() const;
    // The body less the tail's room on the side of the corner.
    TRect Shape() const;
    // The tail's tip: 3 pixels in from the body's corner on the corner's side.
    TPoint Tip() const;
    bool TailAbove() const { return (Corner & kCornerAbove) == 0; }
    bool TailLeft() const { return (Corner & kCornerLeft) == 0; }
};

// One ring of a shape: the shape inset by Inset pixels, moved by Offset, filled in Grey.
struct TsShapeRing {
    int Inset = 0;
    TColor Grey = 0;
    TPoint Offset;
};
using TsShapePainter = std::function<void(TBitmap* mask, const TsShapeRing& ring)>;

// A white mask of the given size with the shape drawn Blur + 1 times, ring
// i inset by i, in the grey Level + rounded((Blur - i) * (255 - Level) /
// (Blur + 1)): the edge fades from almost white outside to Level inside.
void PaintShapeRings(TBitmap* mask, const TsShapePainter& shape, int blur, int level,
                     TPoint offset = {});

// The comics and ellipse tail: a triangle from the tip (moved inward by
// inset) to a base on the shape's middle line, a quarter of the body wide
// and centred a quarter of the way in from the tail's side, narrower by
// inset on each side.
void FillTail(TBitmap* mask, const TsHintGeometry& g, const TsShapeRing& ring);
// A solid triangle: the pixels whose centres lie inside it.
void FillTriangle(TBitmap* bitmap, TsPointF a, TsPointF b, TsPointF c, TColor color);

// The pixels of the mask that are not plain white: what a window keeps of
// itself when it cannot show what lies below it.
TRegion MaskRegion(const TBitmap* mask);

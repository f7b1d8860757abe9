#pragma once
// Drawing for the launcher's skin art: state pictures are painted as colour
// plus coverage with 5 x 5 samples per pixel, then written into the master
// bitmap either over an alpha row (see-through amount per pixel) or flattened
// onto a known background with the see-through colour for what stays outside.

#include <functional>
#include <vector>

#include "platform/TPixels.h"
#include "platform/Types.h"

struct TRgb {
    double R = 0, G = 0, B = 0;
};
constexpr TRgb Rgb(int r, int g, int b) {
    return {double(r), double(g), double(b)};
}
TRgb Mix(TRgb a, TRgb b, double t);
// The colour value of the stored skin (red in the low byte), rounded.
TColor ToColor(TRgb c);

// Shapes are point tests in cell coordinates: pixel (x, y) covers [x, x + 1).
using TShape = std::function<bool(double x, double y)>;
// Colour at a point.
using TPaint = std::function<TRgb(double x, double y)>;

TShape RoundRect(double left, double top, double right, double bottom, double radius);
// Different radii for the top and the bottom corners.
TShape RoundRect2(double left, double top, double right, double bottom, double topRadius,
                  double bottomRadius);
// The same rounded rectangle half a pixel larger. Outlines of shapes whose
// outside is cut use it: every pixel on the edge is then either cut away or
// fully outline, so the edge stays crisp against what shows through the hole.
TShape HardEdge(double left, double top, double right, double bottom, double topRadius,
                double bottomRadius);
TShape Ellipse(double cx, double cy, double rx, double ry);
// A stroke of HalfWidth around the segment, with round ends.
TShape Capsule(double x0, double y0, double x1, double y1, double halfWidth);
struct TPt {
    double X = 0, Y = 0;
};
TShape Polygon(std::vector<TPt> points);
TShape Union(TShape a, TShape b);
TShape Minus(TShape a, TShape b);
TShape Intersect(TShape a, TShape b);
TShape Translate(TShape s, double dx, double dy);

TPaint Solid(TRgb c);
// From Top at y0 to Bottom at y1, flat outside.
TPaint VGrad(TRgb top, TRgb bottom, double y0, double y1);
TPaint HGrad(TRgb left, TRgb right, double x0, double x1);

struct TArgb {
    TRgb C;
    double A = 0; // coverage, 0..1
};

// One state picture.
class TArtCell {
public:
    TArtCell(int width, int height);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    // Lays the shape over what is there, each pixel by the part of it the shape covers.
    void Fill(const TShape& shape, const TPaint& paint, double opacity = 1);
    void Fill(const TShape& shape, TRgb c, double opacity = 1) { Fill(shape, Solid(c), opacity); }
    // Pixels less than half inside Shape become holes (see-through to the parent).
    void CutOutside(const TShape& shape);
    void Over(int x, int y, TRgb c, double a);
    void SetHole(int x, int y, bool hole) { FHoles[Index(x, y)] = hole; }
    bool IsHole(int x, int y) const { return FHoles[Index(x, y)]; }
    const TArgb& At(int x, int y) const { return FPixels[Index(x, y)]; }
    // Cells drawn upright and turned for the other sides of tabs, thumbs and arrows.
    TArtCell FlippedVertically() const;
    TArtCell Transposed() const;
    TArtCell FlippedHorizontally() const;

private:
    int Index(int x, int y) const { return y * FWidth + x; }
    int FWidth, FHeight;
    std::vector<TArgb> FPixels;
    std::vector<bool> FHoles;
};

// The see-through amounts an alpha row may hold: 32 grey levels.
constexpr int AlphaLevels = 32;
int QuantizeAlpha(double seeThrough); // 0..1 to a grey 0..255

// Writes cell Index of a mask of Count cells over Rect: the picture in the
// upper half, the see-through amounts in the lower half.
void PutAlphaCell(TPixels& master, TRect rect, int index, int count, const TArtCell& cell);
// The same for a mask without an alpha row: covered pixels are flattened onto
// Behind, holes become the see-through colour.
void PutOpaqueCell(TPixels& master, TRect rect, int index, int count, const TArtCell& cell,
                   TRgb behind);

#include "tools/SkinArtCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Samples = 5;

double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

uint8_t Byte(double v) {
    const double r = std::floor(v + 0.5);
    return static_cast<uint8_t>(r < 0 ? 0 : (r > 255 ? 255 : r));
}

// Part of pixel (x, y) inside the shape.
double Coverage(const TShape& shape, int x, int y) {
    int in = 0;
    for (int j = 0; j < Samples; ++j)
        for (int i = 0; i < Samples; ++i)
            if (shape(x + (i + 0.5) / Samples, y + (j + 0.5) / Samples)) ++in;
    return double(in) / (Samples * Samples);
}

bool InRoundRect(double x, double y, double l, double t, double r, double b, double rt, double rb) {
    if (x < l || x > r || y < t || y > b) return false;
    const double rad = y < (t + b) / 2 ? rt : rb;
    if (rad <= 0) return true;
    const double cx = std::clamp(x, l + rad, r - rad);
    const double cy = y < (t + b) / 2 ? std::max(y, t + rad) : std::min(y, b - rad);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= rad * rad;
}

} // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

TColor ToColor(TRgb c) {
    return static_cast<TColor>(Byte(c.R) | (Byte(c.G) << 8) | (Byte(c.B) << 16));
}

TShape RoundRect(double left, double top, double right, double bottom, double radius) {
    return RoundRect2(left, top, right, bottom, radius, radius);
}

TShape RoundRect2(double left, double top, double right, double bottom, double topRadius,
                  double bottomRadius) {
    return [=](double x, double y) {
        return InRoundRect(x, y, left, top, right, bottom, topRadius, bottomRadius);
    };
}

TShape HardEdge(double left, double top, double right, double bottom, double topRadius,
                double bottomRadius) {
    return RoundRect2(left - 0.5, top - 0.5, right + 0.5, bottom + 0.5,
                      topRadius > 0 ? topRadius + 0.5 : 0,
                      bottomRadius > 0 ? bottomRadius + 0.5 : 0);
}

TShape Ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1;
    };
}

TShape Capsule(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) {
        const double vx = x1 - x0, vy = y1 - y0;
        const double len2 = vx * vx + vy * vy;
        const double t = len2 > 0 ? Clamp01(((x - x0) * vx + (y - y0) * vy) / len2) : 0;
        const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= halfWidth * halfWidth;
    };
}

TShape Polygon(std::vector<TPt> points) {
    return [points = std::move(points)](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const TPt& a = points[i];
            const TPt& b = points[j];
            if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X)
                inside = !inside;
        }
        return inside;
    };
}

TShape Union(TShape a, TShape b) {
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}

TShape Minus(TShape a, TShape b) {
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

TShape Intersect(TShape a, TShape b) {
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}

TShape Translate(TShape s, double dx, double dy) {
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

TPaint Solid(TRgb c) {
    return [=](double, double) { return c; };
}

TPaint VGrad(TRgb top, TRgb bottom, double y0, double y1) {
    return [=](double, double y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

TPaint HGrad(TRgb left, TRgb right, double x0, double x1) {
    return [=](double x, double) { return Mix(left, right, Clamp01((x - x0) / (x1 - x0))); };
}

TArtCell::TArtCell(int width, int height)
    : FWidth(width), FHeight(height), FPixels(size_t(width) * height),
      FHoles(size_t(width) * height, false) {}

void TArtCell::Over(int x, int y, TRgb c, double a) {
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight || a <= 0) return;
    TArgb& p = FPixels[Index(x, y)];
    const double out = a + p.A * (1 - a);
    const double k = out > 0 ? a / out : 0;
    p.C = Mix(p.C, c, k);
    p.A = out;
}

void TArtCell::Fill(const TShape& shape, const TPaint& paint, double opacity) {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const double cover = Coverage(shape, x, y);
            if (cover > 0) Over(x, y, paint(x + 0.5, y + 0.5), cover * opacity);
        }
}

void TArtCell::CutOutside(const TShape& shape) {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (Coverage(shape, x, y) < 0.5) FHoles[Index(x, y)] = true;
}

TArtCell TArtCell::FlippedVertically() const {
    TArtCell out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            out.FPixels[out.Index(x, y)] = At(x, FHeight - 1 - y);
            out.FHoles[out.Index(x, y)] = IsHole(x, FHeight - 1 - y);
        }
    return out;
}

TArtCell TArtCell::FlippedHorizontally() const {
    TArtCell out(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            out.FPixels[out.Index(x, y)] = At(FWidth - 1 - x, y);
            out.FHoles[out.Index(x, y)] = IsHole(FWidth - 1 - x, y);
        }
    return out;
}

TArtCell TArtCell::Transposed() const {
    TArtCell out(FHeight, FWidth);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            out.FPixels[out.Index(y, x)] = At(x, y);
            out.FHoles[out.Index(y, x)] = IsHole(x, y);
        }
    return out;
}

int QuantizeAlpha(double seeThrough) {
    const int level = static_cast<int>(std::floor(Clamp01(seeThrough) * (AlphaLevels - 1) + 0.5));
    return (level * 255 * 2 + (AlphaLevels - 1)) / (2 * (AlphaLevels - 1));
}

void PutAlphaCell(TPixels& master, TRect rect, int index, int count, const TArtCell& cell) {
    const int half = (rect.Bottom - rect.Top) / 2;
    const int left = rect.Left + (rect.Right - rect.Left) * index / count;
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x) {
            uint32_t picture = 0xFFFFFF;
            int seeThrough = 255;
            if (cell.IsHole(x, y)) {
                picture = 0xFF00FF;
            } else {
                const TArgb& p = cell.At(x, y);
                seeThrough = QuantizeAlpha(1 - p.A);
                if (seeThrough < 255) picture = static_cast<uint32_t>(ToColor(p.C));
                if (picture == 0xFF00FF) picture = 0xFE00FF;
            }
            const uint32_t grey = uint32_t(seeThrough) * 0x010101;
            master.SetPixel(left + x, rect.Top + y, picture);
            master.SetPixel(left + x, rect.Top + half + y, grey);
        }
}

void PutOpaqueCell(TPixels& master, TRect rect, int index, int count, const TArtCell& cell,
                   TRgb behind) {
    const int left = rect.Left + (rect.Right - rect.Left) * index / count;
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x) {
            uint32_t c = 0xFF00FF;
            if (!cell.IsHole(x, y)) {
                const TArgb& p = cell.At(x, y);
                c = static_cast<uint32_t>(ToColor(Mix(behind, p.C, p.A)));
                if (c == 0xFF00FF) c = 0xFE00FF;
            }
            master.SetPixel(left + x, rect.Top + y, c);
        }
}

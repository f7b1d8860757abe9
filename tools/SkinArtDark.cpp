#include "tools/SkinArtDark.h"

#include <algorithm>
#include <cmath>

#include "framework/component/SysUtils.h"
#include "skin/stored/TsSkinGeneral.h"
#include "skin/stored/TsStoredSkin.h"

namespace {

constexpr TColor SeeThrough = 0xFF00FF;
// Lightness below the fold becomes light, above it dark; both meet at FoldShade.
constexpr double Fold = 0.40;
constexpr double FoldShade = 0.11;
constexpr double InkRange = 0.80;     // how far up dark ink climbs
constexpr double SurfaceRange = 0.25; // how far up white surfaces stay
constexpr double InkCurve = 0.6;      // lifts the ink of middling darkness
constexpr double Saturation = 0.8;
// Text is always light on the dark surfaces: the darker it was, the lighter it gets.
constexpr double TextTop = 0.92;
constexpr double TextSlope = 0.5;

struct THsl {
    double H = 0, S = 0, L = 0;
};

THsl ToHsl(double r, double g, double b) {
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b}), d = hi - lo;
    THsl c;
    c.L = (hi + lo) / 2;
    if (d == 0) return c;
    c.S = c.L > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
    if (hi == r)
        c.H = std::fmod((g - b) / d + 6, 6);
    else if (hi == g)
        c.H = (b - r) / d + 2;
    else
        c.H = (r - g) / d + 4;
    return c;
}

double Channel(double p, double q, double t) {
    t = std::fmod(t + 6, 6);
    if (t < 1) return p + (q - p) * t;
    if (t < 3) return q;
    if (t < 4) return p + (q - p) * (4 - t);
    return p;
}

TColor FromHsl(const THsl& c) {
    const double q = c.L < 0.5 ? c.L * (1 + c.S) : c.L + c.S - c.L * c.S, p = 2 * c.L - q;
    auto byte = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return byte(Channel(p, q, c.H + 2)) | (byte(Channel(p, q, c.H)) << 8) |
           (byte(Channel(p, q, c.H - 2)) << 16);
}

double FoldedLightness(double l) {
    if (l < Fold) return FoldShade + std::pow((Fold - l) / Fold, InkCurve) * InkRange;
    return FoldShade + (l - Fold) / (1 - Fold) * SurfaceRange;
}

void DarkenPixel(uint8_t* p) {
    const TColor c = DarkColor(p[2] | (p[1] << 8) | (p[0] << 16));
    p[0] = static_cast<uint8_t>(c >> 16), p[1] = static_cast<uint8_t>(c >> 8);
    p[2] = static_cast<uint8_t>(c);
}

// Five blank-separated numbers: the text colour and four contour colours.
std::string DarkTextColors(const std::string& text) {
    TColor colors[5];
    SplitFontColors(text, colors);
    std::string out = std::to_string(DarkTextColor(colors[0]));
    for (int i = 1; i < 5; ++i)
        out += " " + std::to_string(DarkColor(colors[i]));
    return out;
}

} // namespace

namespace {
template <class F> TColor MapLightness(TColor color, F&& lightness) {
    if (color < 0 || color > 0xFFFFFF || color == SeeThrough) return color;
    THsl c = ToHsl((color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                   ((color >> 16) & 0xFF) / 255.0);
    c.L = lightness(c.L);
    c.S *= Saturation;
    return FromHsl(c);
}
} // namespace

TColor DarkColor(TColor color) {
    return MapLightness(color, FoldedLightness);
}

TColor DarkTextColor(TColor color) {
    return MapLightness(color, [](double l) { return TextTop - TextSlope * l; });
}

std::string DarkGradient(const std::string& gradient) {
    if (gradient.empty() || gradient == " ") return gradient;
    std::string out;
    size_t word = 0, at = 0;
    while (at <= gradient.size()) {
        const size_t end = std::min(gradient.find(';', at), gradient.size());
        std::string text = gradient.substr(at, end - at);
        int32_t value = 0;
        if (word % 5 < 2 && TryStrToInt(text, value)) text = std::to_string(DarkColor(value));
        out += (word ? ";" : "") + text;
        ++word;
        at = end + 1;
    }
    return out;
}

void DarkenSection(TsSkinGeneral& g) {
    for (TColor* c : {&g.Color, &g.HotColor, &g.BorderColor1, &g.BorderColor2})
        *c = DarkColor(*c);
    g.FontColor = DarkTextColors(g.FontColor);
    g.HotFontColor = DarkTextColors(g.HotFontColor);
    g.GradientData = DarkGradient(g.GradientData);
    g.HotGradientData = DarkGradient(g.HotGradientData);
}

void DarkenMaster(TPixels& master, const TsStoredSkin& skin) {
    std::vector<bool> keep(static_cast<size_t>(master.Width()) * master.Height(), false);
    for (const auto& item : *skin.Images()) {
        if (item->MaskType != 1 || item->ImageCount < 1) continue;
        const int middle = item->Top + (item->Bottom - item->Top) / 2;
        for (int y = std::max(middle, 0); y < std::min(item->Bottom, master.Height()); ++y)
            for (int x = std::max(item->Left, 0); x < std::min(item->Right, master.Width()); ++x)
                keep[static_cast<size_t>(y) * master.Width() + x] = true;
    }
    for (int y = 0; y < master.Height(); ++y)
        for (int x = 0; x < master.Width(); ++x)
            if (!keep[static_cast<size_t>(y) * master.Width() + x])
                DarkenPixel(master.ScanLine(y) + x * 3);
}

TPixels GrainTexture(int width, int height, TColor base, int strength, uint32_t seed) {
    // Value noise on a coarse lattice that wraps, so tiles meet without a seam.
    constexpr int Cell = 8;
    const int gw = std::max(1, width / Cell), gh = std::max(1, height / Cell);
    auto lattice = [&](int gx, int gy) {
        uint32_t h = seed ^ (static_cast<uint32_t>((gx % gw + gw) % gw) * 374761393u) ^
                     (static_cast<uint32_t>((gy % gh + gh) % gh) * 668265263u);
        h = (h ^ (h >> 13)) * 1274126177u;
        return static_cast<int>((h ^ (h >> 16)) % (2 * strength + 1)) - strength;
    };
    TPixels p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int gx = x * gw / width, gy = y * gh / height;
            const double fx = double(x * gw % width) / width, fy = double(y * gh % height) / height;
            const double top = lattice(gx, gy) * (1 - fx) + lattice(gx + 1, gy) * fx;
            const double bottom = lattice(gx, gy + 1) * (1 - fx) + lattice(gx + 1, gy + 1) * fx;
            const int shift = static_cast<int>(std::lround(top * (1 - fy) + bottom * fy)) +
                              lattice(x * 7 + 3, y * 5 + 1) / 3; // fine grain over the waves
            auto ch = [&](int v) { return std::clamp(v + shift, 0, 255); };
            p.SetPixel(x, y,
                       ch(base & 0xFF) | (ch((base >> 8) & 0xFF) << 8) |
                           (ch((base >> 16) & 0xFF) << 16));
        }
    return p;
}

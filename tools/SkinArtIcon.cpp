#include "tools/SkinArtIcon.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/PngFile.h"
#include "tools/SkinArtCanvas.h"
#include "tools/SkinArtColors.h"

namespace {

// The tile and the mark as parts of the icon's side, so that all sizes share one drawing.
constexpr double TileMargin = 0.06;
constexpr double TileRadius = 0.2;
constexpr double OutlineWidth = 0.045;
constexpr double GlossBottom = 0.5;
constexpr double GlossOpacity = 0.45;
constexpr double MarkLeft = 0.38, MarkTop = 0.26, MarkRight = 0.76, MarkBottom = 0.74;
constexpr double MarkOutline = 0.035;
// Small icons keep at least one pixel of outline, or the tile fades into the panel.
constexpr double MinOutlinePixels = 1.0;

TShape Tile(double s, double inset) {
    const double a = s * TileMargin + inset, b = s * (1 - TileMargin) - inset;
    return RoundRect(a, a, b, b, std::max(0.0, s * TileRadius - inset));
}

TShape Mark(double s, double grow) {
    const double midY = s * (MarkTop + MarkBottom) / 2;
    return Polygon({{s * MarkLeft - grow, s * MarkTop - grow * 1.6},
                    {s * MarkRight + grow * 1.8, midY},
                    {s * MarkLeft - grow, s * MarkBottom + grow * 1.6}});
}

TArtCell DrawCell(int size) {
    const double s = size;
    const double outline = std::max(MinOutlinePixels, s * OutlineWidth);
    TArtCell cell(size, size);
    cell.Fill(Tile(s, 0), Palette::FrameOuter);
    cell.Fill(Tile(s, outline),
              VGrad(Palette::TitleMid1, Palette::Border, s * TileMargin, s * (1 - TileMargin)));
    cell.Fill(Intersect(Tile(s, outline), [s](double, double y) { return y < s * GlossBottom; }),
              VGrad(Palette::White, Palette::TitleMid2, s * TileMargin, s * GlossBottom),
              GlossOpacity);
    const double markOutline = std::max(MinOutlinePixels, s * MarkOutline);
    cell.Fill(Mark(s, markOutline), Palette::PressedShade);
    cell.Fill(Mark(s, 0),
              VGrad(Palette::HotMid1, Palette::PressedBottom, s * MarkTop, s * MarkBottom));
    return cell;
}

} // namespace

TIconPicture DrawLauncherIcon(int size) {
    const TArtCell cell = DrawCell(size);
    TIconPicture icon{TPixels(size, size), std::vector<uint8_t>(size_t(size) * size)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const TArgb& p = cell.At(x, y);
            icon.Pixels.SetPixel(x, y, static_cast<uint32_t>(ToColor(p.C)));
            icon.Alpha[size_t(y) * size + x] =
                static_cast<uint8_t>(std::lround(std::clamp(p.A, 0.0, 1.0) * 255));
        }
    return icon;
}

void WriteLauncherIcons(const std::string& root) {
    for (int size : LauncherIconSizes) {
        const std::string n = std::to_string(size);
        const std::filesystem::path dir =
            std::filesystem::path(root) / "hicolor" / (n + "x" + n) / "apps";
        std::filesystem::create_directories(dir);
        const TIconPicture icon = DrawLauncherIcon(size);
        WritePngWithAlpha((dir / (std::string(LauncherIconName) + ".png")).string(), icon.Pixels,
                          icon.Alpha);
    }
}

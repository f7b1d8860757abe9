#pragma once
// The launcher's program icon, in the colours of its skin: a rounded tile in
// the windows' lavender blue with a glossy top, and the gold play mark of the
// hot buttons. Drawn from shapes at each size, so every size is sharp.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TPixels.h"

// The sizes a desktop's icon theme asks for.
inline const std::vector<int> LauncherIconSizes = {16, 32, 48, 64, 128, 256};

// The name the icon and the menu entry are installed under.
constexpr const char* LauncherIconName = "quelm-launcher";

struct TIconPicture {
    TPixels Pixels;
    std::vector<uint8_t> Alpha; // one opacity byte per pixel, row by row
};

TIconPicture DrawLauncherIcon(int size);

// Writes every size into an icon theme's folders below root:
// root/hicolor/<n>x<n>/apps/quelm-launcher.png. Throws on a write failure.
void WriteLauncherIcons(const std::string& root);

#pragma once
// The colours of the launcher's skin, shared by the art of the master bitmap
// and the sections: a calm lavender blue around the windows' own colour, a
// warm gold for what is under the mouse, a deeper amber for what is pressed.

#include "tools/SkinArtCanvas.h"

namespace Palette {
// The launcher windows' background (13744054).
constexpr TRgb Window = Rgb(182, 183, 209);

// Outlines: window frame, control borders, the softer lines inside.
constexpr TRgb FrameOuter = Rgb(76, 83, 132);
constexpr TRgb FrameOuterInactive = Rgb(128, 132, 164);
constexpr TRgb Border = Rgb(104, 112, 160);
constexpr TRgb BorderSoft = Rgb(142, 149, 192);
constexpr TRgb BorderLight = Rgb(196, 201, 228);
constexpr TRgb White = Rgb(255, 255, 255);
constexpr TRgb Ink = Rgb(24, 34, 68);        // text and glyphs
constexpr TRgb InkSoft = Rgb(74, 82, 122);   // glyphs on inactive titles
constexpr TRgb InkGrey = Rgb(124, 128, 150); // disabled and grayed marks

// Title bar, active and inactive: a glossy upper half over a deeper lower half.
constexpr TRgb TitleTop = Rgb(232, 236, 250);
constexpr TRgb TitleMid1 = Rgb(208, 215, 242);
constexpr TRgb TitleMid2 = Rgb(191, 200, 236);
constexpr TRgb TitleBottom = Rgb(204, 212, 243);
constexpr TRgb TitleTopIn = Rgb(236, 236, 242);
constexpr TRgb TitleMid1In = Rgb(221, 222, 231);
constexpr TRgb TitleMid2In = Rgb(211, 212, 224);
constexpr TRgb TitleBottomIn = Rgb(220, 221, 231);
constexpr TRgb FrameActive = Rgb(190, 198, 234);
constexpr TRgb FrameInactive = Rgb(212, 213, 226);

// Push buttons.
constexpr TRgb ButtonTop = Rgb(254, 254, 255);
constexpr TRgb ButtonMid1 = Rgb(237, 239, 249);
constexpr TRgb ButtonMid2 = Rgb(222, 226, 244);
constexpr TRgb ButtonBottom = Rgb(238, 241, 252);
constexpr TRgb HotTop = Rgb(255, 252, 236);
constexpr TRgb HotMid1 = Rgb(255, 239, 190);
constexpr TRgb HotMid2 = Rgb(255, 223, 140);
constexpr TRgb HotBottom = Rgb(255, 240, 178);
constexpr TRgb HotBorder = Rgb(200, 160, 86);
constexpr TRgb PressedTop = Rgb(250, 208, 140);
constexpr TRgb PressedBottom = Rgb(248, 178, 86);
constexpr TRgb PressedBorder = Rgb(158, 118, 62);
constexpr TRgb PressedShade = Rgb(150, 92, 20);

// Panels and fields.
constexpr TRgb PanelTop = Rgb(209, 210, 227);    // 14930641
constexpr TRgb PanelBottom = Rgb(193, 194, 217); // 14271169
constexpr TRgb Field = Rgb(255, 255, 255);
constexpr TRgb FieldShade = Rgb(232, 235, 247);
constexpr TRgb Light = Rgb(246, 247, 253);
constexpr TRgb Pale = Rgb(226, 229, 244);

// Progress: a clear blue that reads against the pale gauge.
constexpr TRgb ProgressTop = Rgb(214, 232, 252);
constexpr TRgb ProgressMid1 = Rgb(160, 198, 244);
constexpr TRgb ProgressMid2 = Rgb(122, 172, 236);
constexpr TRgb ProgressBottom = Rgb(168, 208, 248);
constexpr TRgb ProgressBorder = Rgb(76, 112, 176);
} // namespace Palette

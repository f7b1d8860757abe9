#pragma once
// Colour constants, system colour codes and their resolution, and the colour
// names that form definitions use ("clBtnFace", "clRed").
//
// A system colour code is 0xFF000000 plus the index of the colour in the
// platform's table; ColorToRGB resolves it with the classic default scheme.

#include <string>

#include "platform/Types.h"

constexpr TColor SystemColorCode(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index));
}

constexpr TColor clScrollBar = SystemColorCode(0);
constexpr TColor clBackground = SystemColorCode(1);
constexpr TColor clActiveCaption = SystemColorCode(2);
constexpr TColor clInactiveCaption = SystemColorCode(3);
constexpr TColor clMenu = SystemColorCode(4);
constexpr TColor clWindow = SystemColorCode(5);
constexpr TColor clWindowFrame = SystemColorCode(6);
constexpr TColor clMenuText = SystemColorCode(7);
constexpr TColor clWindowText = SystemColorCode(8);
constexpr TColor clCaptionText = SystemColorCode(9);
constexpr TColor clActiveBorder = SystemColorCode(10);
constexpr TColor clInactiveBorder = SystemColorCode(11);
constexpr TColor clAppWorkSpace = SystemColorCode(12);
constexpr TColor clHighlight = SystemColorCode(13);
constexpr TColor clHighlightText = SystemColorCode(14);
constexpr TColor clBtnFace = SystemColorCode(15);
constexpr TColor clBtnShadow = SystemColorCode(16);
constexpr TColor clGrayText = SystemColorCode(17);
constexpr TColor clBtnText = SystemColorCode(18);
constexpr TColor clInactiveCaptionText = SystemColorCode(19);
constexpr TColor clBtnHighlight = SystemColorCode(20);
constexpr TColor cl3DDkShadow = SystemColorCode(21);
constexpr TColor cl3DLight = SystemColorCode(22);
constexpr TColor clInfoText = SystemColorCode(23);
constexpr TColor clInfoBk = SystemColorCode(24);
constexpr TColor clHotLight = SystemColorCode(26);
constexpr TColor clGradientActiveCaption = SystemColorCode(27);
constexpr TColor clGradientInactiveCaption = SystemColorCode(28);
constexpr TColor clMenuHighlight = SystemColorCode(29);
constexpr TColor clMenuBar = SystemColorCode(30);
constexpr int SystemColorCount = 31;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// "No colour" and "the control's default"; neither is a system colour code.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

inline bool IsSystemColor(TColor c) {
    return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

// System colour of the given index in the classic scheme (black for unknown indexes).
TColor GetSysColor(int index);
// Resolves system colour codes; any other value comes back unchanged.
TColor ColorToRGB(TColor c);
// The three bytes a pixel gets: red low, green, blue; system codes resolved.
inline uint32_t ColorToPixel(TColor c) {
    return static_cast<uint32_t>(ColorToRGB(c)) & 0xFFFFFF;
}

// A colour laid over a pixel's byte with coverage 0..255: exact at both
// ends, rounded to nearest in between. Used for anti-aliased text.
inline uint8_t BlendCoverage(int color, int dest, int coverage) {
    return static_cast<uint8_t>((color * coverage + dest * (255 - coverage) + 127) / 255);
}

// Colour names of form definitions, compared without regard to case.
bool IdentToColor(const std::string& ident, TColor& color);
// The name of a colour that has one ("clRed", "clBtnFace"); false otherwise.
bool ColorToIdent(TColor color, std::string& ident);
// The colour as a definition writes it: its name, or the decimal number.
std::string ColorToString(TColor color);
// Accepts a name or a decimal or $hex number; false when neither.
bool StringToColor(const std::string& text, TColor& color);

#include "graphics/Graphics.h"

#include <cstdlib>
#include <iterator>
#include <strings.h>

namespace {

constexpr TColor RGBValue(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// The classic default scheme, indexed like the platform's colour table.
constexpr TColor SysColors[SystemColorCount] = {
    RGBValue(212, 208, 200), // scroll bar
    RGBValue(58, 110, 165),  // desktop
    RGBValue(10, 36, 106),   // active caption
    RGBValue(128, 128, 128), // inactive caption
    RGBValue(212, 208, 200), // menu
    RGBValue(255, 255, 255), // window
    RGBValue(0, 0, 0),       // window frame
    RGBValue(0, 0, 0),       // menu text
    RGBValue(0, 0, 0),       // window text
    RGBValue(255, 255, 255), // caption text
    RGBValue(212, 208, 200), // active border
    RGBValue(212, 208, 200), // inactive border
    RGBValue(128, 128, 128), // application work space
    RGBValue(10, 36, 106),   // highlight
    RGBValue(255, 255, 255), // highlight text
    RGBValue(212, 208, 200), // button face
    RGBValue(128, 128, 128), // button shadow
    RGBValue(128, 128, 128), // grey text
    RGBValue(0, 0, 0),       // button text
    RGBValue(212, 208, 200), // inactive caption text
    RGBValue(255, 255, 255), // button highlight
    RGBValue(64, 64, 64),    // 3D dark shadow
    RGBValue(212, 208, 200), // 3D light
    RGBValue(0, 0, 0),       // info text
    RGBValue(255, 255, 225), // info background
    RGBValue(181, 181, 181), // unused slot
    RGBValue(0, 0, 128),     // hot light
    RGBValue(166, 202, 240), // gradient active caption
    RGBValue(192, 192, 192), // gradient inactive caption
    RGBValue(10, 36, 106),   // menu highlight
    RGBValue(212, 208, 200), // menu bar
};

struct ColorName {
    TColor Color;
    const char* Name;
};

// Plain colours first so that ColorToIdent prefers "clSilver" over "clLtGray".
constexpr ColorName ColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};

} // namespace

TColor GetSysColor(int index) {
    if (index < 0 || index >= SystemColorCount) return clBlack;
    return SysColors[index];
}

TColor ColorToRGB(TColor c) {
    if (IsSystemColor(c)) return GetSysColor(static_cast<int>(static_cast<uint32_t>(c) & 0xFF));
    return c;
}

bool IdentToColor(const std::string& ident, TColor& color) {
    for (const ColorName& n : ColorNames)
        if (strcasecmp(n.Name, ident.c_str()) == 0) {
            color = n.Color;
            return true;
        }
    return false;
}

bool ColorToIdent(TColor color, std::string& ident) {
    for (const ColorName& n : ColorNames)
        if (n.Color == color) {
            ident = n.Name;
            return true;
        }
    return false;
}

std::string ColorToString(TColor color) {
    std::string s;
    if (ColorToIdent(color, s)) return s;
    return std::to_string(color);
}

bool StringToColor(const std::string& text, TColor& color) {
    if (IdentToColor(text, color)) return true;
    if (text.empty()) return false;
    const char* p = text.c_str();
    int base = 10;
    if (*p == '$') {
        base = 16;
        ++p;
    }
    char* end = nullptr;
    long long v = std::strtoll(p, &end, base);
    if (end == p || *end != '\0' || v < INT32_MIN || v > UINT32_MAX) return false;
    color = static_cast<TColor>(static_cast<uint32_t>(v));
    return true;
}

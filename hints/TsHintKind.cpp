#include "hints/TsHintKind.h"

#include <algorithm>

#include "framework/component/PropertyHelpers.h"

namespace {

constexpr int kMaxPercent = 100;
// Sizes in pixels beyond this make no sense for a hint on any screen.
constexpr int kMaxLength = 500;
constexpr int kMaxHintWidth = 4000;
// The look of the system's hint text.
const char* const kFontName = "Tahoma";
constexpr int kFontHeight = -11;

int Percent(int value) {
    return std::clamp(value, 0, kMaxPercent);
}
int Length(int value) {
    return std::clamp(value, 0, kMaxLength);
}

} // namespace

TsHintKind::TsHintKind() {
    FFont.SetName(kFontName);
    FFont.SetHeight(kFontHeight);
}

TsHintKind::~TsHintKind() = default;

void TsHintKind::SetStyle(TsHintStyle value) {
    if (value < hsSimply || value > hsNone) return;
    FLook.Style = value;
    if (OnStyleChanged) OnStyleChanged();
}

void TsHintKind::SetRadius(int value) {
    FLook.Radius = Length(value);
}
void TsHintKind::SetBevelWidth(int value) {
    FLook.BevelWidth = Length(value);
}
void TsHintKind::SetBlur(int value) {
    FLook.Blur = Length(value);
}
void TsHintKind::SetExOffset(int value) {
    FLook.ExOffset = Length(value);
}
void TsHintKind::SetGradientPercent(int value) {
    FLook.GradientPercent = Percent(value);
}
void TsHintKind::SetTexturePercent(int value) {
    FLook.TexturePercent = Percent(value);
}
void TsHintKind::SetTransparency(int value) {
    FLook.Transparency = Percent(value);
}
void TsHintKind::SetShadowBlur(int value) {
    FLook.Shadow.Blur = Length(value);
}
void TsHintKind::SetShadowOffset(int value) {
    FLook.Shadow.Offset = Length(value);
}
void TsHintKind::SetShadowTransparency(int value) {
    FLook.Shadow.Transparency = Percent(value);
}
void TsHintKind::SetMarginH(int value) {
    FLook.MarginH = Length(value);
}
void TsHintKind::SetMarginV(int value) {
    FLook.MarginV = Length(value);
}
void TsHintKind::SetMaxWidth(int value) {
    FLook.MaxWidth = std::clamp(value, 1, kMaxHintWidth);
}

const TClassInfo* TsHintKind::StaticClassInfo() {
    using K = TsHintKind;
    static const TClassInfo info = MakeClassInfo<K>(
        "TsHintKind", nullptr,
        {EnumProp("Style", &K::SetStyle,
                  {"hsSimply", "hsComics", "hsEllipse", "hsBalloon", "hsStandard", "hsNone"}),
         IntProp("Radius", &K::SetRadius),
         IntProp("BevelWidth", &K::SetBevelWidth),
         IntProp("Blur", &K::SetBlur),
         IntProp("ExOffset", &K::SetExOffset),
         StrProp("GradientData", &K::SetGradientData),
         StrProp("TextureFile", &K::SetTextureFile),
         IntProp("GradientPercent", &K::SetGradientPercent),
         IntProp("TexturePercent", &K::SetTexturePercent),
         IntProp("Bevel", &K::SetBevel),
         ColorProp("Color", &K::SetColor),
         ColorProp("ColorBorderTop", &K::SetColorBorderTop),
         ColorProp("ColorBorderBottom", &K::SetColorBorderBottom),
         IntProp("Transparency", &K::SetTransparency),
         IntProp("ShadowBlur", &K::SetShadowBlur),
         ColorProp("ShadowColor", &K::SetShadowColor),
         BoolProp("ShadowEnabled", &K::SetShadowEnabled),
         IntProp("ShadowOffset", &K::SetShadowOffset),
         IntProp("ShadowTransparency", &K::SetShadowTransparency),
         IntProp("MarginH", &K::SetMarginH),
         IntProp("MarginV", &K::SetMarginV),
         IntProp("MaxWidth", &K::SetMaxWidth),
         ObjectProp("Font", static_cast<TFont* (K::*)()>(&K::Font))});
    return &info;
}

#include "skin/stored/TsSkinGeneral.h"

#include <sstream>

#include "framework/component/PropertyHelpers.h"
#include "skin/TsMemIniFile.h"

namespace {

const std::vector<std::string> BevelNames{"cbNone", "cbRaisedSoft", "cbLoweredSoft", "cbRaisedHard",
                                          "cbLoweredHard"};

// Bevels stream as names; a number is taken too, and one without a meaning is cbNone.
TPropInfo BevelProp(const char* name, TsControlBevel TsSkinGeneral::*field) {
    return Prop<TsSkinGeneral>(name, [field](TsSkinGeneral& g, const TValue& v, TReadContext& ctx) {
        if (v.Kind == TValueKind::vkInteger)
            g.*field = ToControlBevel(v.Int);
        else
            g.*field = static_cast<TsControlBevel>(ValueToEnum(v, ctx, BevelNames));
    });
}

} // namespace

void SplitFontColors(const std::string& text, TColor (&colors)[5]) {
    static const TColor none[5] = {0, -1, -1, -1, -1};
    std::copy(std::begin(none), std::end(none), colors);
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = std::min(text.find(' ', i), text.size());
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    if (words.size() != 5) return;
    TColor parsed[5];
    for (int k = 0; k < 5; ++k)
        if (!TsMemIniFile::ParseInteger(words[k], parsed[k])) return;
    std::copy(std::begin(parsed), std::end(parsed), colors);
}

TsGeneralData TsSkinGeneral::ToGeneralData() const {
    TsGeneralData d;
    d.ParentClass = ParentClass;
    d.SectionName = SectionName;
    d.Color = Color;
    d.Bevel = ToControlBevel(Bevel);
    TColor text[5];
    SplitFontColors(FontColor, text);
    d.FontColor = text[0], d.TCLeft = text[1], d.TCTop = text[2], d.TCRight = text[3],
    d.TCBottom = text[4];
    SplitFontColors(HotFontColor, text);
    d.HotFontColor = text[0], d.HotTCLeft = text[1], d.HotTCTop = text[2], d.HotTCRight = text[3],
    d.HotTCBottom = text[4];
    d.ReservedBoolean = ReservedBoolean;
    d.ShadowBlur = ShadowBlur;
    d.ShadowColor = ShadowColor;
    d.ShadowDontUse = ShadowDontUse;
    d.ShadowEnabled = ShadowEnabled;
    d.ShadowOffset = ShadowOffset;
    d.ShadowTransparency = ShadowTransparency;
    d.Transparency = Transparency;
    d.GradientPercent = GradientPercent;
    d.GradientData = GradientData;
    if (GradientData != " ") ParseGradientData(GradientData, d.GradientArray);
    d.ImagePercent = ImagePercent;
    d.ShowFocus = ShowFocus;
    d.FadingEnabled = FadingEnabled;
    d.FadingIntervalIn = FadingIntervalIn;
    d.FadingIntervalOut = FadingIntervalOut;
    d.FadingIterations = FadingIterations;
    d.HotColor = HotColor;
    d.HotTransparency = HotTransparency;
    d.HotBevel = ToControlBevel(HotBevel);
    d.HotGradientPercent = HotGradientPercent;
    d.HotGradientData = HotGradientData;
    if (HotGradientData != " ") ParseGradientData(HotGradientData, d.HotGradientArray);
    d.HotImagePercent = HotImagePercent;
    d.BorderColor1 = BorderColor1;
    d.BorderColor2 = BorderColor2;
    return d;
}

const TClassInfo* TsSkinGeneral::StaticClassInfo() {
    using G = TsSkinGeneral;
    static const TClassInfo info =
        MakeClassInfo<G>("TsSkinGeneral", nullptr,
                         {StrProp("SectionName", &G::SectionName),
                          StrProp("ParentClass", &G::ParentClass),
                          ColorProp("Color", &G::Color),
                          BevelProp("Bevel", &G::Bevel),
                          IntProp("ShadowBlur", &G::ShadowBlur),
                          ColorProp("ShadowColor", &G::ShadowColor),
                          BoolProp("ShadowDontUse", &G::ShadowDontUse),
                          BoolProp("ShadowEnabled", &G::ShadowEnabled),
                          BoolProp("ReservedBoolean", &G::ReservedBoolean),
                          IntProp("ShadowOffset", &G::ShadowOffset),
                          IntProp("ShadowTransparency", &G::ShadowTransparency),
                          StrProp("FontColor", &G::FontColor),
                          StrProp("HotFontColor", &G::HotFontColor),
                          IntProp("Transparency", &G::Transparency),
                          IntProp("GradientPercent", &G::GradientPercent),
                          StrProp("GradientData", &G::GradientData),
                          IntProp("ImagePercent", &G::ImagePercent),
                          BoolProp("ShowFocus", &G::ShowFocus),
                          BoolProp("FadingEnabled", &G::FadingEnabled),
                          IntProp("FadingIntervalIn", &G::FadingIntervalIn),
                          IntProp("FadingIntervalOut", &G::FadingIntervalOut),
                          IntProp("FadingIterations", &G::FadingIterations),
                          ColorProp("HotColor", &G::HotColor),
                          IntProp("HotTransparency", &G::HotTransparency),
                          BevelProp("HotBevel", &G::HotBevel),
                          IntProp("HotGradientPercent", &G::HotGradientPercent),
                          StrProp("HotGradientData", &G::HotGradientData),
                          IntProp("HotImagePercent", &G::HotImagePercent),
                          ColorProp("BorderColor1", &G::BorderColor1),
                          ColorProp("BorderColor2", &G::BorderColor2),
                          StrProp("Name", &G::Name)});
    return &info;
}

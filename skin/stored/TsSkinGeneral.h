#pragma once
// One section of a stored skin, as a form definition streams it. FontColor
// and HotFontColor are strings of five numbers: text colour, then the contour
// colours left, top, right, bottom.

#include <cstdint>
#include <string>

#include "framework/component/TPersistent.h"
#include "platform/Types.h"
#include "skin/TsGeneralData.h"

class TsSkinGeneral : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // Published, in streaming order.
    std::string SectionName;
    std::string ParentClass;
    TColor Color = 0;
    TsControlBevel Bevel = cbNone;
    int32_t ShadowBlur = 0;
    TColor ShadowColor = 0;
    bool ShadowDontUse = false;
    bool ShadowEnabled = false;
    bool ReservedBoolean = false;
    int32_t ShadowOffset = 0;
    int32_t ShadowTransparency = 0;
    std::string FontColor;
    std::string HotFontColor;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::string GradientData;
    int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int32_t FadingIntervalIn = 0;
    int32_t FadingIntervalOut = 0;
    int32_t FadingIterations = 0;
    TColor HotColor = 0;
    int32_t HotTransparency = 0;
    TsControlBevel HotBevel = cbNone;
    int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    int32_t HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
    std::string Name;

    // The section this item describes; a bad gradient string raises EConvertError.
    TsGeneralData ToGeneralData() const;
};

// Five blank-separated integers into text colour and contours; anything else
// gives colour 0 without contours.
void SplitFontColors(const std::string& text, TColor (&colors)[5]);

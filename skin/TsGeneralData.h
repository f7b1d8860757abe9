#pragma once
// One section of the loaded skin: colours, bevels, gradients, text contours,
// shadow and fading settings of one kind of control.

#include <cstdint>
#include <string>
#include <vector>

#include "paint/Gradient.h"
#include "platform/Types.h"

enum TsControlBevel : uint8_t {
    cbNone = 0,
    cbRaisedSoft = 1,
    cbLoweredSoft = 2,
    cbRaisedHard = 3,
    cbLoweredHard = 4,
};

// A stored or read bevel number; values without a meaning read as cbNone.
inline TsControlBevel ToControlBevel(int64_t value) {
    return value >= cbNone && value <= cbLoweredHard ? static_cast<TsControlBevel>(value) : cbNone;
}

// Fields in the order of the skin format. A default-made section has no
// gradient (" "), no text contours (-1) and zeros elsewhere; loaders set every
// field.
struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    TColor Color = 0;
    TsControlBevel Bevel = cbNone;
    TColor FontColor = 0;
    TColor TCLeft = -1;
    TColor TCTop = -1;
    TColor TCRight = -1;
    TColor TCBottom = -1;
    TColor HotFontColor = 0;
    TColor HotTCLeft = -1;
    TColor HotTCTop = -1;
    TColor HotTCRight = -1;
    TColor HotTCBottom = -1;
    bool ReservedBoolean = false;
    int32_t ShadowBlur = 0;
    TColor ShadowColor = 0;
    bool ShadowDontUse = false;
    bool ShadowEnabled = false;
    int32_t ShadowOffset = 0;
    int32_t ShadowTransparency = 0;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::string GradientData = " ";
    TsGradArray GradientArray;
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
    std::string HotGradientData = " ";
    TsGradArray HotGradientArray;
    int32_t HotImagePercent = 0;
    TColor BorderColor1 = 0;
    TColor BorderColor2 = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

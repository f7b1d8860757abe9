#pragma once
// The values of a hint's look, as one struct: what the hint kind publishes
// and what the hint windows paint from. Styles and presets are listed here
// too, since both the kind and the manager speak of them.

#include "framework/graphics/Graphics.h"
#include "platform/Types.h"

enum TsHintStyle { hsSimply, hsComics, hsEllipse, hsBalloon, hsStandard, hsNone };

enum TsHintsPredefinitions {
    shSimply,
    shGradient,
    shTransparent,
    shEllipse,
    shBalloon,
    shComicsGradient,
    shComicsTransparent,
    shStandard,
    shNone,
    shCustom
};

struct TsHintShadow {
    bool Enabled = true;
    int Blur = 4;
    TColor Color = 0;
    int Offset = 6;
    int Transparency = 60;
};

struct TsHintLook {
    TsHintStyle Style = hsEllipse;
    int Radius = 20;
    int BevelWidth = 1;
    int Blur = 1;
    int ExOffset = 32;
    int GradientPercent = 0;
    int TexturePercent = 0;
    int Bevel = 1;
    TColor Color = clInfoBk;
    TColor ColorBorderTop = clBtnHighlight;
    TColor ColorBorderBottom = clBtnShadow;
    int Transparency = 0;
    TsHintShadow Shadow;
    int MarginH = 15;
    int MarginV = 10;
    int MaxWidth = 200;

    // The room the shadow takes at the right and bottom.
    int ShadowRoom() const { return Shadow.Enabled ? Shadow.Offset : 0; }
};

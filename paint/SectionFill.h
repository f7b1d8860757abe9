#pragma once
// A skin section's background: its colour, tiled pattern and gradient mixed
// by their percentages, and that look laid over the parent's picture by the
// section's transparency.

#include <string_view>

#include "paint/Gradient.h"
#include "paint/ParentColors.h"
#include "paint/TCacheInfo.h"
#include "platform/Types.h"

class TBitmap;

// The normal or the hot look of one section, with its pattern resolved.
struct TsSectionLook {
    TColor Color = 0;
    int Transparency = 0;
    int GradientPercent = 0;
    std::string_view GradientData; // only whether it is empty matters
    const TsGradArray* GradientArray = nullptr;
    int ImagePercent = 0;
    const TBitmap* Pattern = nullptr;   // the tile's bitmap; null when the look has no pattern
    TRect PatternRect;                  // the tile inside Pattern
    TColor BackOverride = clSeeThrough; // ParentBackColor at the time of the paint
};

// Fills Rect of Dst with copies of the tile, from Rect's top-left, the last
// row and column cut to fit. Nothing outside Rect changes.
void TilePattern(TBitmap* dst, TRect rect, const TBitmap* tile, TRect tileRect);

// The look's own background in Rect, before any transparency.
void FillSectionOpaque(TBitmap* bitmap, TRect rect, const TsSectionLook& look);

// The look over the parent's picture: copied parent pixels at Transparency
// 100, the opaque fill at 0 (or without a Ready parent), a blend between.
// Offset is the control's position in its parent. With UseOverride, a set
// BackOverride replaces the parent's pixels.
void PaintSectionLook(const TsSectionLook& look, const TCacheInfo& parent, TBitmap* target,
                      TRect rect, TPoint offset, bool useOverride);

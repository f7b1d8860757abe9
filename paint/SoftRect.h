#pragma once
// Soft-edged rectangles (shadows, the blended disabled look) and the disabled
// look of a control.

#include <cstdint>

#include "paint/TCacheInfo.h"
#include "platform/Types.h"

class TBitmap;

// Mixes Color into Rect of Bitmap, keeping about Percent of the bitmap in the
// middle and fading to nothing over Blur pixels at the edge; corners rounded
// by Radius.
void SoftRect(TBitmap* bitmap, TRect rect, int percent, int radius, int blur, TColor color);

// Flags of PaintDisabled; both may be set, grey goes first.
constexpr int dfBlended = 1;
constexpr int dfGrey = 2;

// The disabled look of a control's picture. Blended: 40 % control over the
// parent's picture under it (at Offset inside the parent) when Parent is
// Ready, else a half mix with ParentBackColor when set or ParentColor.
void PaintDisabled(TBitmap* bitmap, int flags, TColor parentColor, const TCacheInfo& parent,
                   TPoint offset);

#pragma once
// The paint operations that take sections and masks of the loaded skin by
// index. They read the global skin state and the parent colour overrides and
// hand the rest to the pixel operations of the paint layer. An invalid
// section or mask index paints nothing.

#include <string>
#include <vector>

#include "paint/MaskPaint.h"
#include "paint/SectionFill.h"
#include "paint/TCacheInfo.h"
#include "platform/TRegion.h"
#include "platform/Types.h"

class TBitmap;

// The mask as the painters read it; a mask with no bitmap for an invalid index.
TsMaskImage SkinMaskImage(int maskIndex);

// The normal or hot look of a section. With WithPattern, the section's
// "PATTERN" / "HOTPATTERN" mask is the tile when the look's image share is above 0.
TsSectionLook SkinSectionLook(int skinIndex, const std::string& sectionName, bool hot,
                              bool withPattern);

TSize CellSize(int maskIndex);
void DrawStateImage(TBitmap* dst, TPoint at, int state, int maskIndex, bool opaque);
void DrawBorderMask(TBitmap* dst, TRect rect, bool filling, int state, int maskIndex,
                    const TCacheInfo& parent);
void DrawBorderMaskRegion(TBitmap* dst, TRect rect, bool filling, int state, int maskIndex,
                          TRegion& region);
void SeeThroughRects(int maskIndex, int width, bool bottom, int rowOffset,
                     std::vector<TRect>& rects);

// The section's look over the parent's picture in Rect of Target; Offset is the
// control's position in its parent. The pattern is looked up by SectionName
// (the section's own name when empty); the override colour is not used.
void PaintSection(int skinIndex, const std::string& sectionName, bool hot, const TCacheInfo& parent,
                  TBitmap* target, TRect rect, TPoint offset);
// Without a pattern, and with the parent colour override in use.
void PaintSectionNoPattern(int skinIndex, bool hot, const TCacheInfo& parent, TBitmap* target,
                           TRect rect, TPoint offset);
// PaintSection for State (0 normal, above 0 the hot look), then the section's
// "BORDERSMASK" over the same rectangle for the same state.
void PaintSectionWithBorder(int skinIndex, const std::string& sectionName, int state, bool filling,
                            const TCacheInfo& parent, TBitmap* target, TRect rect, TPoint offset);

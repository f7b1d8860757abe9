#pragma once
// The section painters driven by a control's skin data: the section and its
// border mask come from the data, the control's own colour replaces the
// section's when CustomColor is on, and a control painted without its
// parent's picture shows its parent's colour where the skin sees through.

#include "paint/TCacheInfo.h"
#include "platform/Types.h"

class TBitmap;
class TsCommonData;

// The section's look for State (0 normal, above 0 the hot look) over the
// parent's picture in Rect of Target; Offset is the control's position in
// its parent.
void PaintSection(const TsCommonData& data, int state, const TCacheInfo& parent, TBitmap* target,
                  TRect rect, TPoint offset);

// PaintSection, then the data's border mask over the same rectangle for the
// same state.
void PaintSectionWithBorder(const TsCommonData& data, int state, bool filling,
                            const TCacheInfo& parent, TBitmap* target, TRect rect, TPoint offset);

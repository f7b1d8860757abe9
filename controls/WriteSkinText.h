#pragma once
// A control's caption in its section's text look: the control's font, the
// section's contours and text colour unless the control keeps its own font
// colour (CustomFont), and a hot web button underlined.

#include <string>

#include "platform/Types.h"

class TCanvas;
class TsCommonData;

// Rect comes back as the area the text took, grown by 1 on every side
// (unchanged with DT_WORDBREAK). Leaves the canvas brush clear.
void WriteSkinText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                   const TsCommonData& data, unsigned flags, TRect& rect);

#pragma once
// Captions drawn in the text look of a section of the loaded skin, for
// painters that know a section index but no control (group box captions,
// form titles, menus).

#include <string>

#include "paint/SkinText.h"

class TCanvas;

// The normal or hot text colours of the section; no contours and black text
// for an invalid index.
TsTextColors SectionTextColors(int skinIndex, bool hot);

// Fits and draws the caption with the canvas's font; the section's contours
// and text colour are applied whenever the index is valid. Rect comes back as
// the area the text took, grown by 1 (unchanged with DT_WORDBREAK).
void WriteSectionText(TCanvas* canvas, const std::string& text, bool enabled, bool hot,
                      int skinIndex, unsigned flags, TRect& rect);

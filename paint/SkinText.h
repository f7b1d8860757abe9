#pragma once
// Captions in a skin's text look: the rectangle fitted to a one-line text,
// a one-pixel contour on each side that has a colour, the main text over it,
// the embossed look of disabled text, and shortening a text with "...".
// Everything draws with the canvas's current font through DrawText.

#include <string>

#include "platform/Types.h"

class TCanvas;

// A contour colour of -1 draws no contour on that side.
constexpr TColor clNoContour = -1;

// The text colours of one look, contours in drawing order.
struct TsTextColors {
    TColor Text = 0;
    TColor Left = clNoContour;
    TColor Top = clNoContour;
    TColor Right = clNoContour;
    TColor Bottom = clNoContour;
};

// How a caption is to be drawn.
struct TsTextLook {
    bool Enabled = true;
    // Colours from a section; without one the font keeps its own colour.
    bool UseColors = false;
    TsTextColors Colors;
};

// Without DT_WORDBREAK, moves Rect's edges in (or out) so that it holds the
// one-line text centred vertically and placed as the flags say; the result is
// the drawing rectangle and Rect becomes it grown by 1 on every side. With
// DT_WORDBREAK both stay the caller's rectangle.
TRect FitTextRect(TCanvas& canvas, const std::string& text, unsigned flags, TRect& rect);

// The whole painter: fits Rect, clears the brush, then draws the disabled
// emboss, or the contours and the text in the look's colours.
void WriteText(TCanvas& canvas, const std::string& text, const TsTextLook& look, unsigned flags,
               TRect& rect);

// The text shortened to MaxWidth on the canvas with a trailing "..."; a text
// that fits comes back unchanged, one of which no character fits with the
// dots comes back empty.
std::string CutText(TCanvas& canvas, const std::string& text, int maxWidth);

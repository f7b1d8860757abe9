#pragma once
// Formatted text: the platform's DrawText flags, the layout behind
// TCanvas::DrawText, and the plain controls' captions greyed when disabled.
//
// - Lines break at CR LF, LF and CR unless DT_SINGLELINE, which also wins
//   over DT_WORDBREAK (such text stays on one line).
// - DT_WORDBREAK breaks between words (at spaces) when a word would pass the
//   rectangle's right edge; the spaces at a break are dropped. A word wider
//   than the rectangle is not split: it overflows (DT_CALCRECT widens).
// - DT_EXPANDTABS: tab stops every 8 average character widths from the
//   line's start. Without it a tab has no width.
// - Prefixes: "&x" underlines x, "&&" is a literal "&" (the last prefixed
//   character of a line is underlined); DT_NOPREFIX shows "&" as it is,
//   DT_HIDEPREFIX removes the "&" without underlining.
// - DT_CENTER places a line at (left + right - width) / 2, DT_RIGHT at
//   right - width. DT_VCENTER and DT_BOTTOM apply to DT_SINGLELINE text only.
// - DT_CALCRECT draws nothing; the rectangle's right becomes left plus the
//   widest line and its bottom top plus the text height. Empty text gives an
//   empty rectangle and height 0.
// - DT_END_ELLIPSIS shortens each line that is too wide and ends it in "...".
// - DT_RTLREADING is accepted; the texts are left-to-right scripts, so the
//   layout is the same.
// - Without DT_NOCLIP, drawing is clipped to the rectangle. The background of
//   each line's extent is filled with the brush unless the brush is clear.
// The result is the text height, or, for DT_VCENTER or DT_BOTTOM, the offset
// from the rectangle's top to the bottom of the text.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

class TCanvas;
class TGlyphCache;

constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;

struct TTextLine {
    std::u32string Text; // prefixes removed, tabs kept
    int Width = 0;
    int Underline = -1; // index in Text of the underlined character
};

// The lines DrawText would draw in a rectangle of the given width.
std::vector<TTextLine> LayoutText(TGlyphCache& glyphs, std::u32string_view text, int width,
                                  unsigned flags);
// Width of a laid-out line, tabs expanded as the flags say.
int LineWidth(TGlyphCache& glyphs, std::u32string_view text, unsigned flags);

int DrawTextUtf8(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags);

// DrawText with the canvas font for a plain control's caption; disabled text
// is embossed in the highlight and shadow colours as the classic look has it.
// Returns the text height.
int DrawControlText(TCanvas& canvas, const std::string& text, TRect r, unsigned flags,
                    bool enabled);

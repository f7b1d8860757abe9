#pragma once
// Drawing shared by the plain controls: classic three-dimensional edges in
// the system colours, and text that shows greyed when its control is disabled.

#include <string>

#include "platform/Types.h"

class TCanvas;

// Draws a frame of the given width, top and left edges in topLeft, bottom and
// right in bottomRight, and shrinks r by it.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

// The two-pixel edges of the classic look; each shrinks r by two.
void DrawRaisedEdge(TCanvas& canvas, TRect& r); // buttons at rest
void DrawSunkenEdge(TCanvas& canvas, TRect& r); // edit fields, check boxes, lists
void DrawPushedEdge(TCanvas& canvas, TRect& r); // a button held down
// The etched line pair of group boxes and separators, one pixel inside r.
void DrawEtchedFrame(TCanvas& canvas, const TRect& r);

// DrawText with the canvas font; disabled text is embossed in the highlight
// and shadow colours as the classic look has it. Returns the text height.
int DrawControlText(TCanvas& canvas, const std::string& text, TRect r, unsigned flags,
                    bool enabled);

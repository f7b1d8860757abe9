#pragma once
// The bevel painter: the classic three-dimensional edges in the system
// colours. The plain controls, the plain window frame with its title buttons
// and the message box all draw their edges here, so the classic look has one
// definition.

#include "platform/Types.h"

class TCanvas;

// Draws a frame of the given width, top and left edges in topLeft, bottom and
// right in bottomRight, and shrinks r by it.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

// The thin bevel of panels and status panels: highlight above and shadow below
// when raised, the other way round when lowered. Shrinks r by width.
void DrawBevel(TCanvas& canvas, TRect& r, bool raised, int width = 1);
// The two-pixel edges of the classic look; each shrinks r by two.
void DrawRaisedEdge(TCanvas& canvas, TRect& r); // buttons at rest
void DrawSunkenEdge(TCanvas& canvas, TRect& r); // edit fields, check boxes, lists
void DrawPushedEdge(TCanvas& canvas, TRect& r); // a button held down
// The window frame and its title buttons pair the same colours the other way
// round: the light grey outside and the white inside when raised, the dark
// shadow outside when pressed. Shrinks r by two.
void DrawWindowEdge(TCanvas& canvas, TRect& r, bool raised);
// The etched line pair of group boxes and separators, one pixel inside r.
void DrawEtchedFrame(TCanvas& canvas, const TRect& r);

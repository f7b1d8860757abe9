#pragma once
// How the pane's scroll bar looks: the plain platform look of raised arrow
// buttons and thumb on a light track.

#include "browser/TPaneScrollBar.h"
#include "framework/graphics/TCanvas.h"

void PaintPaneScrollBar(TCanvas& canvas, const TPaneScrollBar& bar);

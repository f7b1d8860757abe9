#pragma once
// How the pane's scroll bar looks: the skin's scroll-bar sections (track,
// thumb, arrow buttons) while a skin is loaded that has them, else the plain
// look of raised arrow buttons and thumb on a light track; the arrows on top.

#include "browser/TPaneScrollBar.h"
#include "framework/graphics/TCanvas.h"

void PaintPaneScrollBar(TCanvas& canvas, const TPaneScrollBar& bar);

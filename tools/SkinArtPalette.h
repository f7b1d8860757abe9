#pragma once
// The master bitmap is stored with one byte per pixel, so its picture must get
// by with 256 colours. The see-through colour and every grey an alpha row may
// hold are kept exactly; the other colours are chosen by median cut over the
// picture, weighted by how often each occurs, so that the soft gradients of
// the art keep their steps small.

#include "platform/TPixels.h"

struct TPaletteResult {
    int SourceColors = 0; // distinct colours before
    int Colors = 0;       // distinct colours after the reduction
    int MaxError = 0;     // the largest change of one channel of one pixel
};

TPaletteResult ReduceToPalette(TPixels& pixels, int size = 256);

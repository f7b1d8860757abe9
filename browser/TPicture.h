#pragma once
// A decoded picture of a page: its colours and one alpha byte per pixel, so
// that see-through pictures (PNG, GIF) show the page behind them.

#include <cstdint>
#include <vector>

#include "platform/TPixels.h"

struct TPicture {
    TPixels Pixels;
    std::vector<uint8_t> Alpha; // row after row, Width() * Height() bytes
    int Width() const { return Pixels.Width(); }
    int Height() const { return Pixels.Height(); }
};

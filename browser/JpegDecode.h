#pragma once
// JPEG pictures in memory through libjpeg, kept behind this one function so
// that a single JPEG decoder of the program can take its place.

#include <cstddef>
#include <cstdint>

#include "platform/TPixels.h"

// Decodes baseline and progressive JPEG (grey, colour, and CMYK from Adobe
// files) into 24-bit pixels. Throws std::runtime_error with the reason for a
// broken file or one larger than maxPixels.
TPixels DecodeJpeg(const uint8_t* data, size_t size, int64_t maxPixels);

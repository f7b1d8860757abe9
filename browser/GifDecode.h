#pragma once
// GIF pictures in memory through giflib: the first frame only, its
// transparent colour as alpha 0, everything outside the frame transparent.

#include <cstddef>
#include <cstdint>

#include "browser/TPicture.h"

// Throws std::runtime_error with the reason for a broken file or one larger
// than maxPixels.
TPicture DecodeGif(const uint8_t* data, size_t size, int64_t maxPixels);

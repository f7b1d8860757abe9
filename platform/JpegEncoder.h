#pragma once
// Writing 24-bit pixels as a JPEG file in memory through libjpeg's
// compressor: the skin generator's patterns, and test pictures. The same
// pixels and options give the same bytes on every run.

#include <cstdint>
#include <vector>

#include "platform/TPixels.h"

struct TJpegEncodeOptions {
    int Quality = 90;
    bool Progressive = false;
};

// Raises EInvalidGraphic (platform/BmpDecoder.h) when libjpeg fails.
std::vector<uint8_t> EncodeJpeg(const TPixels& pixels, const TJpegEncodeOptions& options = {});

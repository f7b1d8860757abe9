#pragma once
// JPEG files in memory decoded into the program's 24-bit pixels through
// libjpeg. A skin folder's pictures come from anywhere, so the decoder treats
// every file as possibly hostile: any error or warning of the library, a
// picture larger than the limits, too many progressive scans or more working
// memory than allowed end the decoding with EInvalidGraphic, never with a
// crash, a stall or an exit.

#include <cstddef>
#include <cstdint>

#include "platform/BmpDecoder.h"
#include "platform/TPixels.h"

struct TJpegLimits {
    int MaxSide = 8192;
    int64_t MaxPixels = 4096 * 4096;
    // Progressive files may repeat scans endlessly for little input; real
    // encoders use about ten.
    int MaxScans = 64;
    // The library's own working memory (a progressive picture keeps all its
    // coefficients), beside the decoded picture itself.
    long MaxWorkingMemory = 256L << 20;
};

TPixels DecodeJpeg(const uint8_t* data, size_t size, const TJpegLimits& limits = {});

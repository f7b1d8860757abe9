// JPEG files from outside: decoding either succeeds within the limits or
// raises EInvalidGraphic; it never crashes, stalls or runs out of memory.
#include <cstddef>
#include <cstdint>

#include "platform/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Smaller than the program's limits, so that each input stays quick.
    constexpr TJpegLimits Limits{2048, 1 << 20, 32, 64L << 20};
    try {
        const TPixels p = DecodeJpeg(data, size, Limits);
        if (p.Width() < 1 || p.Height() < 1 || p.Width() > Limits.MaxSide) __builtin_trap();
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}

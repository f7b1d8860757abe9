// BMP files from outside: decoding either succeeds or raises EInvalidGraphic.
#include <cstddef>
#include <cstdint>

#include "platform/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const TPixels p = DecodeBmp(data, size);
        if (p.Width() < 1 || p.Height() < 1) __builtin_trap();
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}

// Gradient strings from skins: parsing must either succeed or raise the
// conversion error, and any parsed array must fill inside the bitmap only.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/graphics/TBitmap.h"
#include "paint/Gradient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int left = static_cast<int8_t>(data[0]) / 4, top = static_cast<int8_t>(data[1]) / 4;
    const int right = static_cast<int8_t>(data[2]) / 2, bottom = static_cast<int8_t>(data[3]) / 2;
    TsGradArray array;
    try {
        ParseGradientData(std::string(reinterpret_cast<const char*>(data) + 4, size - 4), array);
    } catch (const EConvertError&) {
    }
    TBitmap bitmap(13, 7);
    FillGradient(&bitmap, {left, top, right, bottom}, array);
    return 0;
}

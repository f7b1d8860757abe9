#include "platform/TPixels.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

void TPixels::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if (static_cast<int64_t>(width) * height > (int64_t{1} << 28))
        throw std::runtime_error("Bitmap too large");
    const int stride = (width * 3 + 63) & ~63;
    std::vector<uint8_t, TLineAllocator<uint8_t>> data(static_cast<size_t>(stride) * height, 0);
    const int keepRows = std::min(height, FHeight);
    const int keepBytes = std::min(width, FWidth) * 3;
    // A side of 0 leaves no storage; there is nothing to keep then.
    for (int y = 0; keepBytes > 0 && y < keepRows; ++y)
        std::memcpy(data.data() + static_cast<size_t>(y) * stride, ScanLine(y), keepBytes);
    FData.swap(data);
    FWidth = width;
    FHeight = height;
    FStride = stride;
}

void TPixels::Fill(uint32_t color) {
    if (FWidth == 0 || FHeight == 0) return;
    uint8_t* row0 = ScanLine(0);
    for (int x = 0; x < FWidth; ++x) {
        row0[x * 3] = static_cast<uint8_t>(color >> 16);
        row0[x * 3 + 1] = static_cast<uint8_t>(color >> 8);
        row0[x * 3 + 2] = static_cast<uint8_t>(color);
    }
    for (int y = 1; y < FHeight; ++y)
        std::memcpy(ScanLine(y), row0, FWidth * 3);
}

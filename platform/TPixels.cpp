#include "platform/TPixels.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {
constexpr size_t kLineAlignment = 64;
} // namespace

// calloc knows when its memory is fresh from the system and then leaves it
// unwritten; the block is moved up to the next boundary, and calloc's own
// pointer kept just below it for the release.
void* AllocateZeroedLines(size_t bytes) {
    if (bytes > SIZE_MAX - kLineAlignment) throw std::bad_alloc();
    void* block = std::calloc(1, bytes + kLineAlignment);
    if (!block) throw std::bad_alloc();
    const uintptr_t start = reinterpret_cast<uintptr_t>(block);
    // calloc's 16-byte alignment leaves at least 16 bytes below the boundary.
    const uintptr_t aligned = (start + kLineAlignment) & ~uintptr_t{kLineAlignment - 1};
    void** below = reinterpret_cast<void**>(aligned) - 1;
    *below = block;
    return reinterpret_cast<void*>(aligned);
}

void FreeZeroedLines(void* p) noexcept {
    if (p) std::free(*(static_cast<void**>(p) - 1));
}

void TPixels::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if (static_cast<int64_t>(width) * height > (int64_t{1} << 28))
        throw std::runtime_error("Bitmap too large");
    const int stride = (width * 3 + 63) & ~63;
    // Zero from the allocator: see TLineAllocator.
    std::vector<uint8_t, TLineAllocator<uint8_t>> data(static_cast<size_t>(stride) * height);
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

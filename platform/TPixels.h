#pragma once
// The pixel storage of every picture in the program: 24 bits per pixel in the
// order blue, green, red, row 0 at the top. Every row starts on a 64-byte
// boundary (the stride is padded to 64), so that the vector loops of the blends
// load and store whole cache lines. The framework's TBitmap wraps it; hosts
// convert it once when they present it, and files get their own row padding.

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

// Zeroed storage on 64-byte boundaries, and its release (TPixels.cpp).
void* AllocateZeroedLines(size_t bytes);
void FreeZeroedLines(void* p) noexcept;

// Allocates on 64-byte boundaries; copies of a vector using it keep them.
// The storage comes zeroed from the allocator, and elements made without a
// value are left as they are: a large picture then lies on fresh pages of the
// system, which take no memory until they are drawn into (a hidden window's
// back buffer, say), instead of being written with zeros at once.
template <class T> struct TLineAllocator {
    using value_type = T;
    TLineAllocator() = default;
    template <class U> TLineAllocator(const TLineAllocator<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(AllocateZeroedLines(n * sizeof(T))); }
    void deallocate(T* p, size_t) { FreeZeroedLines(p); }
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... TArgs> void construct(U* p, TArgs&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<TArgs>(args)...);
    }
    template <class U> bool operator==(const TLineAllocator<U>&) const { return true; }
};

class TPixels {
public:
    TPixels() = default;
    TPixels(int width, int height) { SetSize(width, height); }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Stride() const { return FStride; }

    // Resizing keeps the pixels that stay inside the new size and fills new
    // ones with black, as a device-independent bitmap does.
    void SetSize(int width, int height);

    uint8_t* ScanLine(int y) { return FData.data() + static_cast<size_t>(y) * FStride; }
    const uint8_t* ScanLine(int y) const { return FData.data() + static_cast<size_t>(y) * FStride; }

    // Colour value (red in the low byte) of one pixel; the caller keeps x, y inside.
    uint32_t Pixel(int x, int y) const {
        const uint8_t* p = ScanLine(y) + x * 3;
        return p[2] | (p[1] << 8) | (p[0] << 16);
    }
    void SetPixel(int x, int y, uint32_t color) {
        uint8_t* p = ScanLine(y) + x * 3;
        p[0] = static_cast<uint8_t>(color >> 16);
        p[1] = static_cast<uint8_t>(color >> 8);
        p[2] = static_cast<uint8_t>(color);
    }
    void Fill(uint32_t color);

private:
    int FWidth = 0;
    int FHeight = 0;
    int FStride = 0;
    std::vector<uint8_t, TLineAllocator<uint8_t>> FData;
};

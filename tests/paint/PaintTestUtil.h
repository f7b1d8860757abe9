#pragma once
// Helpers for exact pixel tests: small bitmaps filled with a sentinel colour.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "framework/graphics/TBitmap.h"

constexpr TColor kSentinel = 0x123456;

inline std::unique_ptr<TBitmap> MakeBitmap(int w, int h, TColor fill = kSentinel) {
    auto b = std::make_unique<TBitmap>(w, h);
    b->Pixels().Fill(static_cast<uint32_t>(fill));
    return b;
}

// Random pixels; keyShare in a hundred are the see-through colour.
inline std::unique_ptr<TBitmap> Noise(std::mt19937& rng, int w, int h, int keyShare) {
    auto rand = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto b = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->SetPixel(x, y, rand(0, 99) < keyShare ? 0xFF00FF : rand(0, 0xFFFFFF));
    return b;
}

inline TColor RGBColor(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// Every pixel outside Inside still holds Fill.
inline ::testing::AssertionResult UntouchedOutside(const TBitmap& b, TRect inside,
                                                   TColor fill = kSentinel) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (!inside.Contains({x, y}) && b.Pixel(x, y) != fill)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << ") changed to " << std::hex
                       << b.Pixel(x, y);
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << "," << y << "): " << std::hex << a.Pixel(x, y) << " vs "
                       << b.Pixel(x, y);
    return ::testing::AssertionSuccess();
}

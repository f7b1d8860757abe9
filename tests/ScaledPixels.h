#pragma once
// Comparing a picture drawn at a device scale with the same picture drawn at
// scale 1: the scaled one must be the scale-1 one enlarged, pixel for pixel,
// except inside the rectangles given (where text is drawn sharp).

#include <gtest/gtest.h>

#include <vector>

#include "framework/graphics/TBitmap.h"

// Every device pixel of big equals the logical pixel of small it lies in,
// outside the logical rectangles `skip`.
inline ::testing::AssertionResult IsEnlargedOf(const TBitmap& big, const TBitmap& small,
                                               const std::vector<TRect>& skip = {}) {
    if (big.Width() != small.Width() || big.Height() != small.Height())
        return ::testing::AssertionFailure() << "logical sizes differ";
    if (small.Scale() != 1) return ::testing::AssertionFailure() << "the reference is scaled";
    const int s = big.Scale();
    const TPixels& p = big.Pixels();
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) {
            const TPoint at{x / s, y / s};
            bool skipped = false;
            for (const TRect& r : skip)
                skipped = skipped || r.Contains(at);
            const auto want = static_cast<uint32_t>(small.Pixel(at.X, at.Y));
            if (!skipped && p.Pixel(x, y) != want)
                return ::testing::AssertionFailure()
                       << "device pixel (" << x << "," << y << ") is " << std::hex << p.Pixel(x, y)
                       << ", the scale-1 pixel " << want;
        }
    return ::testing::AssertionSuccess();
}

// A picture made at scale 1 copied onto a new bitmap of the given scale.
inline std::unique_ptr<TBitmap> Enlarged(const TBitmap& small, int scale) {
    auto b = std::make_unique<TBitmap>(small.Width(), small.Height(), scale);
    b->SetPixels(small.Pixels(), small.Scale());
    b->Transparent = small.Transparent;
    b->TransparentColor = small.TransparentColor;
    return b;
}

// The pixel work of hint pictures on bitmaps of scale 2: the scale-1 picture
// enlarged, and the window shape read from a mask the same at both scales.
#include <gtest/gtest.h>

#include <random>

#include "ScaledPixels.h"
#include "hints/HintPaint.h"
#include "hints/HintShapes.h"

namespace {

constexpr int kScale = 2;

std::unique_ptr<TBitmap> Noise(std::mt19937& rng, int w, int h, int whiteShare) {
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->SetPixel(x, y,
                        static_cast<int>(rng() % 100) < whiteShare
                            ? 0xFFFFFF
                            : static_cast<TColor>(rng() & 0xFFFFFF));
    return b;
}

TEST(HintPaintScale, MasksMixesAndTrianglesAreTheScaleOnePictureEnlarged) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        const int w = 5 + static_cast<int>(rng() % 20), h = 4 + static_cast<int>(rng() % 20);
        auto picture = Noise(rng, w, h, 0), body = Noise(rng, w, h, 0);
        auto mask = Noise(rng, w, h, 40), screen = Noise(rng, w, h, 0);
        auto picture2 = Enlarged(*picture, kScale), body2 = Enlarged(*body, kScale);
        auto mask2 = Enlarged(*mask, kScale), screen2 = Enlarged(*screen, kScale);
        const int level = static_cast<int>(rng() % 256);
        const TRect part{1, 1, w - 1, h - 2};
        for (int scale : {1, kScale}) {
            TBitmap* p = scale == 1 ? picture.get() : picture2.get();
            TBitmap* b = scale == 1 ? body.get() : body2.get();
            const TBitmap* m = scale == 1 ? mask.get() : mask2.get();
            BodyOverScreen(b, scale == 1 ? screen.get() : screen2.get(), part, level);
            DarkenByMask(p, m, 0x204080);
            MixThroughMask(p, b, m, level / 2);
            FillTriangle(p, {0.5, 0.2}, {w * 0.9, h * 0.4}, {w * 0.3, h - 0.5}, 0x00FF00);
            PaintBevelFrame(p, {0, 0, w, h}, 2, 0xFFFFFF, 0x808080);
        }
        ASSERT_TRUE(IsEnlargedOf(*picture2, *picture)) << round;
        ASSERT_TRUE(IsEnlargedOf(*body2, *body)) << round;
        ASSERT_EQ(MaskRegion(mask.get()).Rects(), MaskRegion(mask2.get()).Rects()) << round;
    }
}

} // namespace

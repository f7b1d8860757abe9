// Wide rows go through the vector loops, a run of pixels at a time, and hand
// back runs holding a see-through pixel and the row's tail. Whatever the
// widths, offsets and key pixels, the bytes must be those of the plain formulas.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "PaintTestUtil.h"
#include "paint/Blend.h"
#include "paint/MaskPaint.h"
#include "paint/PixelKernels.h"

namespace {

std::mt19937 Rng(7);
int Rand(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(Rng);
}

// Noise in which KeyPermille of the pixels are the key colour, some of them in
// clusters so that runs start and end on them.
std::unique_ptr<TBitmap> Noise(int w, int h, int keyPermille, TColor key) {
    auto b = MakeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool isKey = Rand(0, 999) < keyPermille || (keyPermille && x % 97 < 3);
            b->SetPixel(x, y, isKey ? key : Rand(0, 0xFFFFFF));
        }
    return b;
}

int Width() {
    static const int widths[] = {1, 31, 32, 33, 64, 95, 96, 97, 1023, 1024, 1025, 1100};
    return Rand(0, 3) ? widths[Rand(0, 11)] : Rand(1, 1100);
}

int Channel(TColor c, int sh) {
    return static_cast<int>((c >> sh) & 255);
}

// Runs the test body once for every kernel level the processor has.
class WideRows : public ::testing::TestWithParam<PixelKernels::TLevel> {
protected:
    void SetUp() override {
        if (!PixelKernels::UseLevel(GetParam())) GTEST_SKIP() << "the processor lacks this level";
    }
    void TearDown() override { PixelKernels::UseLevel(PixelKernels::BestLevel()); }
};

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Levels, WideRows,
    ::testing::Values(PixelKernels::TLevel::Plain, PixelKernels::TLevel::Avx2,
                      PixelKernels::TLevel::Avx512),
    [](const auto& info) {
        return std::string(std::array{"Plain", "Avx2", "Avx512"}[static_cast<int>(info.param)]);
    });

TEST_P(WideRows, BlendBitmapOntoMatchesTheRoundedFormula) {
    for (int round = 0; round < 60; ++round) {
        const double alpha = std::array{0.4, 0.5, 0.123, 0.77}[Rand(0, 3)];
        const bool keyed = Rand(0, 1);
        // Black as a key must not match the zeros past a short row's end.
        const TColor key = std::array<TColor, 3>{0xFF00FF, 0x010203, 0x000000}[Rand(0, 2)];
        const int w = Width(), h = Rand(1, 3);
        auto src = Noise(w, h, Rand(0, 1) ? 0 : Rand(1, 40), key);
        auto dst = Noise(Rand(1, 1100), h + 1, 0, key);
        const int x = Rand(-40, 40), left = Rand(0, 5);
        TBitmap expect;
        expect.Assign(*dst);
        for (int j = 0; j < h; ++j)
            for (int i = std::max(left, left - x); i < w; ++i) {
                const int dx = x + i - left;
                if (dx >= dst->Width()) break;
                const TColor s = src->Pixel(i, j), d = expect.Pixel(dx, j);
                if (keyed && s == key) continue;
                TColor r = 0;
                for (int sh : {0, 8, 16})
                    r |= static_cast<TColor>(
                             std::lrint(Channel(s, sh) - (Channel(s, sh) - Channel(d, sh)) * alpha))
                         << sh;
                expect.SetPixel(dx, j, r);
            }
        BlendBitmapOnto(dst.get(), x, 0, keyed ? key : NoKeyColor, alpha, {left, 0, w + 3, h - 1},
                        src.get());
        ASSERT_TRUE(SamePixels(*dst, expect))
            << "round " << round << " width " << w << " alpha " << alpha;
    }
}

TEST_P(WideRows, BlendByMaskMatchesTheMaskFormula) {
    for (int round = 0; round < 20; ++round) {
        const int w = Width(), h = Rand(1, 3);
        auto b = Noise(w, h, 0, 0), m = Noise(w, h, 0, 0);
        const TColor c = Rand(0, 0xFFFFFF);
        TBitmap expect;
        expect.Assign(*b);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                TColor r = 0;
                for (int sh : {0, 8, 16}) {
                    const int bc = Channel(b->Pixel(i, j), sh), cc = Channel(c, sh),
                              mc = Channel(m->Pixel(i, j), sh);
                    r |= static_cast<TColor>(((bc - cc) * mc + cc * 255) / 256) << sh;
                }
                expect.SetPixel(i, j, r);
            }
        BlendByMask(b.get(), m.get(), c);
        ASSERT_TRUE(SamePixels(*b, expect)) << "round " << round << " width " << w;
    }
}

TEST_P(WideRows, BlendRectMatchesTheTruncatedFormula) {
    for (int round = 0; round < 20; ++round) {
        const int w = Width(), h = Rand(1, 3), t = Rand(0, 255);
        auto d = Noise(w, h, 0, 0), s = Noise(w, h, 0, 0);
        TBitmap expect;
        expect.Assign(*d);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) {
                TColor r = 0;
                for (int sh : {0, 8, 16}) {
                    const int dc = Channel(d->Pixel(i, j), sh), sc = Channel(s->Pixel(i, j), sh);
                    r |= static_cast<TColor>(std::trunc((dc - sc) * (3 * t / 768.0) + sc)) << sh;
                }
                expect.SetPixel(i, j, r);
            }
        BlendRect(d.get(), s.get(), static_cast<TColor>(t * 0x010101), {0, 0, w, h}, {0, 0});
        ASSERT_TRUE(SamePixels(*d, expect)) << "round " << round << " width " << w << " t " << t;
    }
}

TEST_P(WideRows, CopyAlphaMatchesTheMaskFormulaAroundSeeThroughPixels) {
    for (int round = 0; round < 60; ++round) {
        const int w = Width(), h = Rand(1, 3);
        // Picture rows over alpha rows; only the picture rows carry see-through pixels.
        auto mask = Noise(w, 2 * h, 0, 0);
        auto picture = Noise(w, h, Rand(0, 1) ? 0 : Rand(1, 40), 0xFF00FF);
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i)
                mask->SetPixel(i, j, picture->Pixel(i, j));
        auto dst = Noise(Rand(1, 1100), h, 0, 0);
        auto parentBmp = Noise(1200, h + 2, 0, 0);
        const TCacheInfo parent{parentBmp.get(), Rand(0, 20), Rand(0, 2), Rand(0, 1) == 1};
        const TColor over = Rand(0, 1) ? clSeeThrough : static_cast<TColor>(Rand(0, 0xFFFFFF));
        const int x = Rand(-40, 40);
        TBitmap expect;
        expect.Assign(*dst);
        for (int j = 0; j < h; ++j)
            for (int i = std::max(0, -x); i < w && x + i < dst->Width(); ++i) {
                const TColor c = mask->Pixel(i, j), m = mask->Pixel(i, j + h),
                             d = expect.Pixel(x + i, j);
                const int px = parent.X + x + i, py = parent.Y + j;
                if (c != 0xFF00FF) {
                    TColor r = 0;
                    for (int sh : {0, 8, 16}) {
                        const int dc = Channel(d, sh), cc = Channel(c, sh), mc = Channel(m, sh);
                        r |= static_cast<TColor>(((dc - cc) * mc + cc * 255) / 256) << sh;
                    }
                    expect.SetPixel(x + i, j, r);
                } else if (parent.Ready && px < parentBmp->Width() && py < parentBmp->Height()) {
                    expect.SetPixel(x + i, j, parentBmp->Pixel(px, py));
                } else if (over != clSeeThrough) {
                    expect.SetPixel(x + i, j, over);
                }
            }
        CopyAlpha(Bounds(x, 0, w, h), Bounds(0, 0, w, h), dst.get(), mask.get(), h, parent, over);
        ASSERT_TRUE(SamePixels(*dst, expect)) << "round " << round << " width " << w;
    }
}

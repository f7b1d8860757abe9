// The paint operations in pixels per second at a button's size, the main
// window's and 800 x 600; the blends beside the nearest pixman composite on
// the same 24-bit buffers (pixman's r8g8b8 is our blue-green-red byte order)
// and beside memcpy of the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include <pixman.h>

#include "framework/graphics/TBitmap.h"
#include "paint/Blend.h"
#include "paint/MaskPaint.h"
#include "paint/PixelKernels.h"
#include "paint/SectionFill.h"
#include "paint/SoftRect.h"

namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({75, 25})->Args({354, 336})->Args({800, 600});
}

// The sizes again, with the kernel level as the third argument (0 plain, 1
// 256-bit, 2 512-bit vectors), for the operations that have vector loops.
void SizesAndLevels(benchmark::internal::Benchmark* b) {
    for (int level = 0; level < 3; ++level)
        b->Args({75, 25, level})->Args({354, 336, level})->Args({800, 600, level});
}

// Selects the benchmark's kernel level for its lifetime.
class TLevelGuard {
public:
    explicit TLevelGuard(benchmark::State& state) {
        if (!PixelKernels::UseLevel(static_cast<PixelKernels::TLevel>(state.range(2))))
            state.SkipWithError("the processor lacks this level");
    }
    ~TLevelGuard() { PixelKernels::UseLevel(PixelKernels::BestLevel()); }
};

void Noise(TBitmap& b, unsigned seed) {
    std::mt19937 rng(seed);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width() * 3; ++x)
            b.ScanLine(y)[x] = static_cast<uint8_t>(rng());
}

struct TBuffers {
    int W, H;
    TBitmap Dst, Src, Mask;
    explicit TBuffers(const benchmark::State& state)
        : W(static_cast<int>(state.range(0))), H(static_cast<int>(state.range(1))), Dst(W, H),
          Src(W, H), Mask(W, H) {
        Noise(Dst, 1), Noise(Src, 2), Noise(Mask, 3);
    }
};

void Count(benchmark::State& state, const TBuffers& b) {
    state.SetItemsProcessed(state.iterations() * b.W * b.H);
}

pixman_image_t* Wrap(TBitmap& b) {
    return pixman_image_create_bits(PIXMAN_r8g8b8, b.Width(), b.Height(),
                                    reinterpret_cast<uint32_t*>(b.ScanLine(0)),
                                    b.Pixels().Stride());
}

void BM_BlendRect(benchmark::State& state) {
    TBuffers b(state);
    for (auto _ : state)
        BlendRect(&b.Dst, &b.Src, 0x666666, {0, 0, b.W, b.H}, {0, 0});
    Count(state, b);
}
void BM_BlendBitmapOnto(benchmark::State& state) {
    TLevelGuard level(state);
    TBuffers b(state);
    for (auto _ : state)
        BlendBitmapOnto(&b.Dst, 0, 0, NoKeyColor, 0.4, {0, 0, b.W - 1, b.H - 1}, &b.Src);
    Count(state, b);
}
void BM_BlendByMask(benchmark::State& state) {
    TLevelGuard level(state);
    TBuffers b(state);
    for (auto _ : state)
        BlendByMask(&b.Dst, &b.Mask, 0x336699);
    Count(state, b);
}
void BM_CopyAlpha(benchmark::State& state) {
    TLevelGuard level(state);
    // Picture over its alpha rows, as masks keep them.
    TBuffers b(state);
    TBitmap mask(b.W, b.H * 2);
    Noise(mask, 4);
    const TCacheInfo none;
    for (auto _ : state)
        CopyAlpha({0, 0, b.W, b.H}, {0, 0, b.W, b.H}, &b.Dst, &mask, b.H, none);
    Count(state, b);
}

// pixman: source over destination through a constant alpha (the two bitmap blends).
void BM_PixmanOverConstAlpha(benchmark::State& state) {
    TBuffers b(state);
    pixman_image_t *d = Wrap(b.Dst), *s = Wrap(b.Src);
    const pixman_color_t a{0, 0, 0, 0x9999};
    pixman_image_t* m = pixman_image_create_solid_fill(&a);
    for (auto _ : state)
        pixman_image_composite32(PIXMAN_OP_OVER, s, m, d, 0, 0, 0, 0, 0, 0, b.W, b.H);
    Count(state, b);
    pixman_image_unref(m), pixman_image_unref(s), pixman_image_unref(d);
}
// pixman: a colour through a per-channel mask (BlendByMask).
void BM_PixmanSolidComponentMask(benchmark::State& state) {
    TBuffers b(state);
    pixman_image_t *d = Wrap(b.Dst), *m = Wrap(b.Mask);
    pixman_image_set_component_alpha(m, 1);
    const pixman_color_t c{0x9999, 0x6666, 0x3333, 0xFFFF};
    pixman_image_t* s = pixman_image_create_solid_fill(&c);
    for (auto _ : state)
        pixman_image_composite32(PIXMAN_OP_OVER, s, m, d, 0, 0, 0, 0, 0, 0, b.W, b.H);
    Count(state, b);
    pixman_image_unref(m), pixman_image_unref(s), pixman_image_unref(d);
}
// pixman: a picture through a per-channel mask (CopyAlpha).
void BM_PixmanImageComponentMask(benchmark::State& state) {
    TBuffers b(state);
    pixman_image_t *d = Wrap(b.Dst), *s = Wrap(b.Src), *m = Wrap(b.Mask);
    pixman_image_set_component_alpha(m, 1);
    for (auto _ : state)
        pixman_image_composite32(PIXMAN_OP_OVER, s, m, d, 0, 0, 0, 0, 0, 0, b.W, b.H);
    Count(state, b);
    pixman_image_unref(m), pixman_image_unref(s), pixman_image_unref(d);
}
void BM_Memcpy(benchmark::State& state) {
    TBuffers b(state);
    const size_t bytes = static_cast<size_t>(b.Dst.Pixels().Stride()) * b.H;
    for (auto _ : state) {
        std::memcpy(b.Dst.ScanLine(0), b.Src.ScanLine(0), bytes);
        benchmark::ClobberMemory();
    }
    Count(state, b);
}

// CopyAlpha's memory traffic with next to no work on it: the picture and
// alpha rows and the destination read, the destination written, in the
// widest vectors the processor has. Where the three streams no longer fit the
// cache, this is the floor.
[[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]] void
XorRows(TBitmap& dst, const TBitmap& src, int h) {
    using V = uint8_t __attribute__((vector_size(64), aligned(1)));
    const int bytes = dst.Width() * 3;
    for (int y = 0; y < h; ++y) {
        uint8_t* d = dst.ScanLine(y);
        const uint8_t *c = src.ScanLine(y), *m = src.ScanLine(y + h);
        int i = 0;
        for (; i + 64 <= bytes; i += 64)
            *reinterpret_cast<V*>(d + i) ^=
                *reinterpret_cast<const V*>(c + i) ^ *reinterpret_cast<const V*>(m + i);
        for (; i < bytes; ++i)
            d[i] ^= c[i] ^ m[i];
    }
}
void BM_ThreeStreams(benchmark::State& state) {
    TBuffers b(state);
    TBitmap mask(b.W, b.H * 2);
    Noise(mask, 4);
    for (auto _ : state) {
        XorRows(b.Dst, mask, b.H);
        benchmark::ClobberMemory();
    }
    Count(state, b);
}

void BM_BlendColorRect(benchmark::State& state) {
    TBuffers b(state);
    for (auto _ : state)
        BlendColorRect(&b.Dst, {0, 0, b.W - 1, b.H - 1}, 60, 0x336699);
    Count(state, b);
}
void BM_MakeGrey(benchmark::State& state) {
    TBuffers b(state);
    for (auto _ : state) {
        state.PauseTiming();
        Noise(b.Dst, 1);
        state.ResumeTiming();
        MakeGrey(&b.Dst);
    }
    Count(state, b);
}
void BM_SoftRect(benchmark::State& state) {
    TBuffers b(state);
    for (auto _ : state)
        SoftRect(&b.Dst, {0, 0, b.W, b.H}, 30, 0, 4, 0);
    Count(state, b);
}
void BM_PaintDisabledBlended(benchmark::State& state) {
    TBuffers b(state);
    const TCacheInfo parent{&b.Src, 0, 0, true};
    for (auto _ : state)
        PaintDisabled(&b.Dst, dfBlended, 0, parent, {0, 0});
    Count(state, b);
}
void BM_FillSectionOpaque(benchmark::State& state) {
    TBuffers b(state);
    const TsGradArray ramp = ParseGradientData("14930641;14271169;100;0;0;14271169;14271169;0;0;0");
    TsSectionLook look;
    look.Color = 0xC0C0C0, look.GradientPercent = 60, look.GradientData = "x",
    look.GradientArray = &ramp;
    for (auto _ : state)
        FillSectionOpaque(&b.Dst, {0, 0, b.W, b.H}, look);
    Count(state, b);
}
void BM_PaintSectionHalfTransparent(benchmark::State& state) {
    TBuffers b(state);
    TsSectionLook look;
    look.Color = 0xC0C0C0, look.Transparency = 50;
    const TCacheInfo parent{&b.Src, 0, 0, true};
    for (auto _ : state)
        PaintSectionLook(look, parent, &b.Dst, {0, 0, b.W, b.H}, {0, 0}, false);
    Count(state, b);
}
void BM_TilePattern(benchmark::State& state) {
    TBuffers b(state);
    TBitmap tile(16, 16);
    Noise(tile, 5);
    for (auto _ : state)
        TilePattern(&b.Dst, {0, 0, b.W, b.H}, &tile, {0, 0, 16, 16});
    Count(state, b);
}
void BM_CopyKeyed(benchmark::State& state) {
    TBuffers b(state);
    for (int y = 0; y < b.H; y += 3)
        b.Src.SetPixel(y % b.W, y, 0xFF00FF);
    const TCacheInfo none;
    for (auto _ : state)
        CopyKeyed(&b.Dst, &b.Src, {0, 0}, none, 0xFF00FF, {0, 0, b.W - 1, b.H - 1});
    Count(state, b);
}
void BM_DrawBorderMaskAlpha(benchmark::State& state) {
    // A button-like mask: 3 cells of 21 x 24 over their alpha row, centre filled.
    TBuffers b(state);
    TBitmap master(63, 48);
    Noise(master, 6);
    const TsMaskImage mask{&master, false, {0, 0, 63, 48}, 3, 1, 0};
    const TCacheInfo none;
    for (auto _ : state)
        DrawBorderMask(&b.Dst, {0, 0, b.W, b.H}, true, 1, mask, none);
    Count(state, b);
}
void BM_DrawBorderMaskKeyed(benchmark::State& state) {
    TBuffers b(state);
    TBitmap master(39, 39);
    Noise(master, 7);
    const TsMaskImage mask{&master, false, {0, 0, 39, 39}, 1, 0, 0};
    const TCacheInfo none;
    for (auto _ : state)
        DrawBorderMask(&b.Dst, {0, 0, b.W, b.H}, true, 0, mask, none);
    Count(state, b);
}

} // namespace

BENCHMARK(BM_BlendRect)->Apply(Sizes);
BENCHMARK(BM_BlendBitmapOnto)->Apply(SizesAndLevels);
BENCHMARK(BM_PixmanOverConstAlpha)->Apply(Sizes);
BENCHMARK(BM_BlendByMask)->Apply(SizesAndLevels);
BENCHMARK(BM_PixmanSolidComponentMask)->Apply(Sizes);
BENCHMARK(BM_CopyAlpha)->Apply(SizesAndLevels);
BENCHMARK(BM_PixmanImageComponentMask)->Apply(Sizes);
BENCHMARK(BM_Memcpy)->Apply(Sizes);
BENCHMARK(BM_ThreeStreams)->Apply(Sizes);
BENCHMARK(BM_BlendColorRect)->Apply(Sizes);
BENCHMARK(BM_MakeGrey)->Apply(Sizes);
BENCHMARK(BM_SoftRect)->Apply(Sizes);
BENCHMARK(BM_PaintDisabledBlended)->Apply(Sizes);
BENCHMARK(BM_FillSectionOpaque)->Apply(Sizes);
BENCHMARK(BM_PaintSectionHalfTransparent)->Apply(Sizes);
BENCHMARK(BM_TilePattern)->Apply(Sizes);
BENCHMARK(BM_CopyKeyed)->Apply(Sizes);
BENCHMARK(BM_DrawBorderMaskAlpha)->Apply(Sizes);
BENCHMARK(BM_DrawBorderMaskKeyed)->Apply(Sizes);

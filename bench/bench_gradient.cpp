// FillGradient beside pixman's linear gradient, both writing the same 24-bit
// blue-green-red rows (pixman's r8g8b8 format is that byte order).
#include <benchmark/benchmark.h>

#include <pixman.h>

#include "framework/graphics/TBitmap.h"
#include "paint/Gradient.h"

namespace {

const char* const kTwoStops = "14930641;14271169;100;0;0;14271169;14271169;0;0;0";
const char* const kThreeStops =
    "13413545;16772587;52;1;0;16772587;13413545;48;1;0;13413545;13413545;0;1;0";

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({75, 25})->Args({354, 336})->Args({800, 600});
}

void FillGradientBench(benchmark::State& state, const char* text) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    TBitmap bitmap(w, h);
    const TsGradArray data = ParseGradientData(text);
    for (auto _ : state) {
        FillGradient(&bitmap, {0, 0, w, h}, data);
        benchmark::DoNotOptimize(bitmap.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * w * h);
}

pixman_color_t PixmanColor(TColor c) {
    const TsBGR s = SplitColor(c);
    return {static_cast<uint16_t>(s.R * 257), static_cast<uint16_t>(s.G * 257),
            static_cast<uint16_t>(s.B * 257), 0xFFFF};
}

void PixmanGradientBench(benchmark::State& state, bool vertical) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    TBitmap bitmap(w, h);
    pixman_image_t* dst = pixman_image_create_bits(PIXMAN_r8g8b8, w, h,
                                                   reinterpret_cast<uint32_t*>(bitmap.ScanLine(0)),
                                                   bitmap.Pixels().Stride());
    const TsGradArray data = ParseGradientData(vertical ? kTwoStops : kThreeStops);
    pixman_point_fixed_t p1{0, 0};
    pixman_point_fixed_t p2{vertical ? 0 : pixman_int_to_fixed(w - 1),
                            vertical ? pixman_int_to_fixed(h - 1) : 0};
    pixman_gradient_stop_t stops[3] = {{0, PixmanColor(data[0].Color1)},
                                       {pixman_double_to_fixed(0.52), PixmanColor(data[0].Color2)},
                                       {pixman_fixed_1, PixmanColor(data[1].Color2)}};
    pixman_image_t* grad = pixman_image_create_linear_gradient(&p1, &p2, stops, 3);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, grad, nullptr, dst, 0, 0, 0, 0, 0, 0, w, h);
        benchmark::DoNotOptimize(bitmap.ScanLine(0));
    }
    state.SetItemsProcessed(state.iterations() * w * h);
    pixman_image_unref(grad);
    pixman_image_unref(dst);
}

} // namespace

BENCHMARK_CAPTURE(FillGradientBench, Vertical, kTwoStops)->Apply(Sizes);
BENCHMARK_CAPTURE(PixmanGradientBench, Vertical, true)->Apply(Sizes);
BENCHMARK_CAPTURE(FillGradientBench, Horizontal, kThreeStops)->Apply(Sizes);
BENCHMARK_CAPTURE(PixmanGradientBench, Horizontal, false)->Apply(Sizes);

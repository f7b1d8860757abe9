// Text drawing with a warm glyph cache: a button caption as the skinned
// button draws it, measuring and drawing, and a wrapped hint text.

#include <benchmark/benchmark.h>

#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"

namespace {

void BM_DrawTextButtonCaption(benchmark::State& state) {
    TBitmap bmp(75, 25);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    for (auto _ : state) {
        TRect r{0, 0, 73, 0};
        c->DrawText("&Configurações", r, flags | DT_CALCRECT);
        r = {1, 6, 74, 19};
        benchmark::DoNotOptimize(c->DrawText("&Configurações", r, flags));
    }
}
BENCHMARK(BM_DrawTextButtonCaption);

void BM_TextOutLine(benchmark::State& state) {
    TBitmap bmp(300, 20);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetStyle(bsClear);
    const std::string text = "The quick brown fox jumps over the lazy dog";
    for (auto _ : state)
        c->TextOut(0, 0, text);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TextOutLine);

void BM_DrawTextWrappedHint(benchmark::State& state) {
    TBitmap bmp(200, 120);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetStyle(bsClear);
    const std::string text =
        "Opens the folder of the game and starts it with the options chosen in the dialog.";
    for (auto _ : state) {
        TRect r{0, 0, 180, 0};
        c->DrawText(text, r, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
        benchmark::DoNotOptimize(c->DrawText(text, r, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX));
    }
}
BENCHMARK(BM_DrawTextWrappedHint);

} // namespace

// The skinned button on the launcher's own skin: a 75 x 25 button's cache
// rebuilt from scratch, a repaint that only copies the warm cache, and one
// fade frame (the blend of the two looks and its copy to the window).

#include <benchmark/benchmark.h>

#include "LauncherSkin.h"

#include <memory>
#include <string>

#include "controls/FadeFrame.h"
#include "controls/TsButton.h"
#include "controls/TsFadeTimer.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"

namespace {

class TBenchButton : public TsButton {
public:
    using TsButton::TsButton;
    void Render() { PrepareCache(*this); }
};

class TBenchFade : public TsFadeTimer {
public:
    using TsFadeTimer::TsFadeTimer;
    void Tick() { Timer(); }
};

using TButtonWorld = TOneControlWorld<TBenchButton>;

void BM_ButtonCacheRebuild75x25(benchmark::State& state) {
    TButtonWorld w;
    for (auto _ : state) {
        w.Control->SkinData()->BGChanged = true;
        w.Control->Render();
        benchmark::DoNotOptimize(w.Control->SkinData()->CacheBmp()->Pixel(30, 12));
    }
}
BENCHMARK(BM_ButtonCacheRebuild75x25)->Unit(benchmark::kMicrosecond);

void BM_ButtonWarmRepaint75x25(benchmark::State& state) {
    TButtonWorld w;
    for (auto _ : state) {
        w.Control->Invalidate();
        w.Control->Update();
    }
}
BENCHMARK(BM_ButtonWarmRepaint75x25)->Unit(benchmark::kMicrosecond);

void BM_ButtonFadeFrame75x25(benchmark::State& state) {
    TButtonWorld w;
    auto* fade = new TBenchFade(w.Control);
    fade->Prepare(w.Control->SkinData());
    fade->SetMode(fmFadingIn);
    for (auto _ : state) {
        fade->FadeStep = 1;
        fade->Tick();
    }
}
BENCHMARK(BM_ButtonFadeFrame75x25)->Unit(benchmark::kMicrosecond);

} // namespace

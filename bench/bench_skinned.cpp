// The skinned-control pipeline on the launcher's own skin: a button caption
// written in its section's text look, a 75 x 25 button cache rebuilt from
// scratch, and a repaint of that button with its cache warm.

#include <benchmark/benchmark.h>

#include "LauncherSkin.h"

#include <memory>
#include <string>

#include "controls/ControlKinds.h"
#include "controls/TsSkinnedControl.h"
#include "controls/WriteSkinText.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"

namespace {

constexpr unsigned CaptionFlags = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;

class TBenchButton : public TsSkinnedControl<TWinControl> {
public:
    explicit TBenchButton(TComponent* owner) : TsSkinnedControl(owner, ckButton) {
        SkinData()->Loaded();
    }
    void Render() { PrepareCache(*this); }

protected:
    void PaintContent() override {
        TRect r = Rect(0, 6, Width(), Height() - 6);
        WriteSkinText(SkinData()->CacheBmp()->Canvas(), Caption(), Enabled(),
                      SkinData()->ControlIsActive(), *SkinData(), CaptionFlags, r);
    }
};

using TSkinnedWorld = TOneControlWorld<TBenchButton>;

void BM_WriteSkinTextButtonCaption(benchmark::State& state) {
    TSkinnedWorld w;
    TBitmap bmp(75, 25);
    for (auto _ : state) {
        TRect r = Rect(0, 6, 75, 19);
        WriteSkinText(bmp.Canvas(), "Jogar", true, false, *w.Control->SkinData(), CaptionFlags, r);
        benchmark::DoNotOptimize(bmp.Pixel(30, 12));
    }
}
BENCHMARK(BM_WriteSkinTextButtonCaption)->Unit(benchmark::kMicrosecond);

void BM_CacheRebuild75x25(benchmark::State& state) {
    TSkinnedWorld w;
    for (auto _ : state) {
        w.Control->SkinData()->BGChanged = true;
        w.Control->Render();
        benchmark::DoNotOptimize(w.Control->SkinData()->CacheBmp()->Pixel(30, 12));
    }
}
BENCHMARK(BM_CacheRebuild75x25)->Unit(benchmark::kMicrosecond);

void BM_WarmRepaint75x25(benchmark::State& state) {
    TSkinnedWorld w;
    for (auto _ : state) {
        w.Control->Invalidate();
        w.Control->Update();
    }
}
BENCHMARK(BM_WarmRepaint75x25)->Unit(benchmark::kMicrosecond);

} // namespace

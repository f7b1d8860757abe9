// The skinned frame of the main window on the launcher's own skin: the whole
// frame picture and window region rebuilt after a skin change, and one title
// button's hot repaint in place.

#include <benchmark/benchmark.h>

#include "LauncherSkin.h"

#include <memory>
#include <string>

#include "frame/TsSkinProvider.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "platform/CreateHost.h"
#include "skin/SkinCommands.h"
#include "skin/TsSkinManager.h"

namespace {

// The main window's size and border with a frame and the launcher's skin
// manager (read from the main window's definition, as at start-up).
struct TFrameWorld {
    TFrameWorld() {
        InstallHeadlessHost();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        Form->SetBorderStyle(bsSingle);
        Form->SetBounds(0, 0, 360, 361);
        Form->SetCaption("Quelm - Servidor Demo");
        Provider = new TsSkinProvider(Form);
        Provider->SetShowAppIcon(false);
        ApplyLauncherSkin(*App, Form);
    }
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
    TsSkinProvider* Provider = nullptr;
};

void BM_FramePictureAndRegionAfterSkinChange(benchmark::State& state) {
    TFrameWorld w;
    for (auto _ : state) {
        w.Form->Perform(SM_VESKACMD, SkinWParam(SKC_SETNEWSKIN));
        w.Provider->PaintAll();
        w.Provider->UpdateRegion();
        benchmark::DoNotOptimize(w.Provider->RegionRects.size());
    }
}
BENCHMARK(BM_FramePictureAndRegionAfterSkinChange)->Unit(benchmark::kMicrosecond);

void BM_TitleButtonHotRepaint(benchmark::State& state) {
    TFrameWorld w;
    int i = 0;
    for (auto _ : state)
        w.Provider->SetHot(i++ % 2 ? HTCLOSE : HTNOWHERE);
}
BENCHMARK(BM_TitleButtonHotRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

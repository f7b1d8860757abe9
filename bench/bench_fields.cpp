// The skinned edit and check box on the launcher's own skin, beside the
// plain controls they replace: a 121 x 21 edit's cache rebuilt from scratch
// and a repaint that only copies its warm cache; a 53 x 19 check box's
// render and its repaint (which renders anew every time, as it keeps no
// picture); and the plain edit's and check box's repaints. None has the focus.

#include <benchmark/benchmark.h>

#include "LauncherSkin.h"

#include <memory>
#include <string>

#include "controls/TsCheckBox.h"
#include "controls/TsEdit.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/stdctrls/TCheckBox.h"
#include "framework/stdctrls/TEdit.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"

namespace {

class TBenchEdit : public TsEdit {
public:
    using TsEdit::TsEdit;
    void Render() { PrepareCache(*this); }
};

class TBenchCheckBox : public TsCheckBox {
public:
    using TsCheckBox::TsCheckBox;
    void Render() { PrepareCache(*this); }
};

// A form with the launcher's skin manager (read from the main window's
// definition, so the skin is applied as at start-up), a skinned edit and
// check box, and their plain counterparts.
struct TFieldWorld {
    TFieldWorld() {
        InstallHeadlessHost();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        Form->SetBounds(0, 0, 300, 200);
        // Takes the focus, so that the measured controls show their normal looks.
        Add<TEdit>(0, 0, 4, 4);
        Edit = Add<TBenchEdit>(20, 20, 121, 21);
        Edit->SetText("Jogador");
        Check = Add<TBenchCheckBox>(20, 60, 53, 19);
        Check->SetCaption("Efeito");
        PlainEdit = Add<TEdit>(150, 20, 121, 21);
        PlainEdit->SetText("Jogador");
        PlainCheck = Add<TCheckBox>(150, 60, 53, 19);
        PlainCheck->SetCaption("Efeito");
        ApplyLauncherSkin(*App, Form);
    }
    template <class T> T* Add(int x, int y, int w, int h) {
        auto* c = new T(Form);
        c->SetParent(Form);
        c->SetBounds(x, y, w, h);
        return c;
    }
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
    TBenchEdit* Edit = nullptr;
    TBenchCheckBox* Check = nullptr;
    TEdit* PlainEdit = nullptr;
    TCheckBox* PlainCheck = nullptr;
};

template <class T> void Repaint(benchmark::State& state, T* TFieldWorld::*field) {
    TFieldWorld w;
    for (auto _ : state) {
        (w.*field)->Invalidate();
        (w.*field)->Update();
    }
}

void BM_EditCacheRebuild121x21(benchmark::State& state) {
    TFieldWorld w;
    if (!w.Edit->SkinData()->Skinned()) return state.SkipWithError("the skin did not load");
    for (auto _ : state) {
        w.Edit->SkinData()->BGChanged = true;
        w.Edit->Render();
        benchmark::DoNotOptimize(w.Edit->SkinData()->CacheBmp()->Pixel(10, 10));
    }
}
BENCHMARK(BM_EditCacheRebuild121x21)->Unit(benchmark::kMicrosecond);

void BM_EditWarmRepaint121x21(benchmark::State& state) {
    Repaint(state, &TFieldWorld::Edit);
}
BENCHMARK(BM_EditWarmRepaint121x21)->Unit(benchmark::kMicrosecond);

void BM_PlainEditRepaint121x21(benchmark::State& state) {
    Repaint(state, &TFieldWorld::PlainEdit);
}
BENCHMARK(BM_PlainEditRepaint121x21)->Unit(benchmark::kMicrosecond);

void BM_CheckBoxRender53x19(benchmark::State& state) {
    TFieldWorld w;
    if (!w.Check->SkinData()->Skinned()) return state.SkipWithError("the skin did not load");
    for (auto _ : state) {
        w.Check->Render();
        benchmark::DoNotOptimize(w.Check->SkinData()->CacheBmp()->Pixel(5, 5));
    }
}
BENCHMARK(BM_CheckBoxRender53x19)->Unit(benchmark::kMicrosecond);

void BM_CheckBoxRepaint53x19(benchmark::State& state) {
    Repaint(state, &TFieldWorld::Check);
}
BENCHMARK(BM_CheckBoxRepaint53x19)->Unit(benchmark::kMicrosecond);

void BM_PlainCheckBoxRepaint53x19(benchmark::State& state) {
    Repaint(state, &TFieldWorld::PlainCheck);
}
BENCHMARK(BM_PlainCheckBoxRepaint53x19)->Unit(benchmark::kMicrosecond);

} // namespace

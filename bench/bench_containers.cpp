// The skinned containers on the launcher's own skin beside the plain ones:
// a 337 x 257 panel with a caption and a 354 x 19 status bar with two
// panels, each with its cache rebuilt from scratch and repainted with its
// cache warm, and the plain panel and status bar repainted.

#include <benchmark/benchmark.h>

#include "LauncherSkin.h"

#include <memory>
#include <string>

#include "controls/TsPanel.h"
#include "controls/TsStatusBar.h"
#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/stdctrls/TPanel.h"
#include "framework/stdctrls/TStatusBar.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"

namespace {

class TBenchPanel : public TsPanel {
public:
    using TsPanel::TsPanel;
    void Render() { PrepareCache(*this); }
};

class TBenchBar : public TsStatusBar {
public:
    using TsStatusBar::TsStatusBar;
    void Render() { PrepareCache(*this); }
};

template <class T> T* Place(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new T(parent);
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    return c;
}

template <class TBar> TBar* AddBar(TWinControl* parent, int y) {
    auto* bar = Place<TBar>(parent, 0, y, 354, 19);
    bar->SetAlign(alNone);
    bar->SetBounds(0, y, 354, 19);
    bar->Panels()->Add()->SetWidth(145);
    bar->Panels()->Add()->SetWidth(50);
    bar->Panels()->Items(0)->SetText("versao 1.2 - Quelm");
    return bar;
}

// A 362 x 380 form with the launcher's skin manager (read from the main
// window's definition, so the skin is applied as at start-up), a skinned
// panel and bar, and their plain counterparts.
struct TContainerWorld {
    TContainerWorld() {
        InstallHeadlessHost();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        Form->SetBounds(0, 0, 700, 400);
        Panel = Place<TBenchPanel>(Form, 8, 8, 337, 257);
        Panel->SetCaption("Noticias");
        Bar = AddBar<TBenchBar>(Form, 300);
        PlainPanel = Place<TPanel>(Form, 354, 8, 337, 257);
        PlainPanel->SetCaption("Noticias");
        PlainBar = AddBar<TStatusBar>(Form, 330);
        PlainBar->SetLeft(354);
        ApplyLauncherSkin(*App, Form);
    }
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
    TBenchPanel* Panel = nullptr;
    TBenchBar* Bar = nullptr;
    TPanel* PlainPanel = nullptr;
    TStatusBar* PlainBar = nullptr;
};

template <class T> void Rebuild(benchmark::State& state, T* TContainerWorld::*which) {
    TContainerWorld w;
    T* c = w.*which;
    for (auto _ : state) {
        c->SkinData()->BGChanged = true;
        c->Render();
        benchmark::DoNotOptimize(c->SkinData()->CacheBmp()->Pixel(5, 5));
    }
}

template <class T> void Repaint(benchmark::State& state, T* TContainerWorld::*which) {
    TContainerWorld w;
    T* c = w.*which;
    for (auto _ : state) {
        c->Invalidate();
        c->Update();
    }
}

void BM_PanelCacheRebuild337x257(benchmark::State& s) {
    Rebuild(s, &TContainerWorld::Panel);
}
void BM_PanelWarmRepaint337x257(benchmark::State& s) {
    Repaint(s, &TContainerWorld::Panel);
}
void BM_PlainPanelRepaint337x257(benchmark::State& s) {
    Repaint(s, &TContainerWorld::PlainPanel);
}
void BM_StatusBarCacheRebuild354x19(benchmark::State& s) {
    Rebuild(s, &TContainerWorld::Bar);
}
void BM_StatusBarWarmRepaint354x19(benchmark::State& s) {
    Repaint(s, &TContainerWorld::Bar);
}
void BM_PlainStatusBarRepaint354x19(benchmark::State& s) {
    Repaint(s, &TContainerWorld::PlainBar);
}

BENCHMARK(BM_PanelCacheRebuild337x257)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PanelWarmRepaint337x257)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainPanelRepaint337x257)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatusBarCacheRebuild354x19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatusBarWarmRepaint354x19)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainStatusBarRepaint354x19)->Unit(benchmark::kMicrosecond);

} // namespace

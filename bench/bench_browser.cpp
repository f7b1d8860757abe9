// The news pane on the demo's page: layout and paint of the page cold (parsed,
// laid out and painted from nothing, as when it arrives) and warm (painted
// again from the laid-out page, as when it scrolls or is uncovered), and the
// peak memory the pane adds with the page and its pictures loaded.

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "browser/PageAddress.h"
#include "browser/PictureDecode.h"
#include "browser/TPageView.h"
#include "browser/TWebBrowser.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "platform/CreateHost.h"
#include "platform/services/ReadWholeFile.h"

namespace {

// The pane's viewport in the main window, less its border and scroll bar.
constexpr int kWidth = 301;
constexpr int kHeight = 213;
const std::string kNewsFolder = std::string(QUELM_SOURCE_DIR) + "/demo/news/";

struct TDemoPage {
    std::string Html;
    std::string Base = ResolvePageAddress(kNewsFolder + "index.html", "/").Url;
    std::map<std::string, std::shared_ptr<TPicture>> Pictures;
    TDemoPage() : Html(*ReadWholeFile(kNewsFolder + "index.html")) {
        for (const char* name : {"banner.png", "evento.jpg", "novo.gif"}) {
            std::string error;
            Pictures[JoinAddress(Base, name)] =
                DecodePicture(*ReadWholeFile(kNewsFolder + name), error);
        }
    }
    void LoadInto(TPageView& view) const {
        view.Load(Html, Base);
        for (const auto& [url, picture] : Pictures)
            view.Container().SetPicture(url, picture);
    }
};

const TDemoPage& Demo() {
    static const TDemoPage page;
    return page;
}

void BM_DemoPageCold(benchmark::State& state) {
    TBitmap target(kWidth, kHeight);
    for (auto _ : state) {
        TPageView view;
        Demo().LoadInto(view);
        view.Layout(kWidth, kHeight);
        view.Paint(target, TRect{0, 0, kWidth, kHeight}, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
}
BENCHMARK(BM_DemoPageCold)->Unit(benchmark::kMillisecond);

void BM_DemoPageWarm(benchmark::State& state) {
    TBitmap target(kWidth, kHeight);
    TPageView view;
    Demo().LoadInto(view);
    view.Layout(kWidth, kHeight);
    int scroll = 0;
    for (auto _ : state) {
        view.Paint(target, TRect{0, 0, kWidth, kHeight}, scroll);
        scroll = (scroll + 20) % std::max(view.ContentHeight() - kHeight, 1);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
}
BENCHMARK(BM_DemoPageWarm)->Unit(benchmark::kMillisecond);

void BM_DemoPageRelayout(benchmark::State& state) {
    TBitmap target(kWidth, kHeight);
    TPageView view;
    Demo().LoadInto(view);
    for (auto _ : state) {
        view.Layout(kWidth, kHeight);
        view.Paint(target, TRect{0, 0, kWidth, kHeight}, 0);
        benchmark::DoNotOptimize(target.ScanLine(0));
    }
}
BENCHMARK(BM_DemoPageRelayout)->Unit(benchmark::kMillisecond);

long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, std::string(field).size(), field) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// Peak resident memory over the pane's life with the demo page shown, less
// what the process held before it was made (the high-water mark is reset
// first, so earlier benchmarks do not count).
void BM_PaneMemory(benchmark::State& state) {
    InstallHeadlessHost();
    auto app = std::make_unique<TApplication>();
    auto* form = new TForm(app.get());
    form->SetBounds(0, 0, 360, 300);
    form->Show();
    app->ProcessMessages();
    double peakMb = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKb("VmRSS:");
        {
            auto* pane = new TWebBrowser(form);
            pane->SetParent(form);
            pane->SetBounds(8, 8, 321, 217);
            pane->Navigate(kNewsFolder + "index.html");
            pane->WaitUntilLoaded(2000);
            app->ProcessMessages();
            delete pane;
        }
        peakMb = (StatusKb("VmHWM:") - before) / 1024.0;
    }
    state.counters["peak_MB"] = peakMb;
    app.reset();
    SetHost(nullptr);
}
BENCHMARK(BM_PaneMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

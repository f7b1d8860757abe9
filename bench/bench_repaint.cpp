// A full repaint of a 400 x 400 form holding 20 plain controls: erase, frame,
// every control filling its rectangle and drawing its caption, and the present.

#include <benchmark/benchmark.h>

#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/WinApi.h"
#include "platform/CreateHost.h"

namespace {
class TPlainBox : public TCustomControl {
public:
    explicit TPlainBox(TComponent* o) : TCustomControl(o) { FControlStyle |= csOpaque; }

protected:
    void Paint() override {
        TCanvas* c = Canvas();
        TRect r = ClientRect();
        c->Brush()->SetColor(Color());
        c->FillRect(r);
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect(r);
        c->Brush()->SetStyle(bsClear);
        c->DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

void BM_FullRepaint400x400With20Controls(benchmark::State& state) {
    InstallHeadlessHost();
    TApplication app;
    auto* f = new TForm(&app);
    f->SetBorderStyle(bsSingle);
    f->SetBounds(0, 0, 400, 400);
    f->SetCaption("Repaint");
    for (int i = 0; i < 20; ++i) {
        auto* b = new TPlainBox(f);
        b->SetParent(f);
        b->SetBounds(8 + (i % 4) * 95, 8 + (i / 4) * 70, 85, 60);
        b->SetColor(0x203040 + i * 0x050505);
        b->SetCaption("Button " + std::to_string(i + 1));
    }
    f->Show();
    app.ProcessMessages();
    for (auto _ : state) {
        RedrawWindow(f->Handle(), nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}
BENCHMARK(BM_FullRepaint400x400With20Controls)->Unit(benchmark::kMicrosecond);
} // namespace

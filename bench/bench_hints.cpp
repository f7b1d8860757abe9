// Skinned hints: the time from the end of the hint pause to the hint's
// first presented frame, for the options dialog's longest hint in the
// dialog's own hint look; and the mini-HTML layout of a 200-character hint.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/stdctrls/TPanel.h"
#include "hints/TsHintManager.h"
#include "hints/TsHtml.h"
#include "platform/CreateHost.h"
#include "platform/headless/THeadlessHost.h"

extern const char Unit2Definition[];

namespace {

// The login box's hint, the longest of the dialog.
const char* const LongestHint =
    "Digite aqui o login para que quando voce entre no jogo ele j\xc3\xa1 fique "
    "pr\xc3\xa9-definido";

// A form with the dialog's hint manager, read from its definition, and one
// control with the login box's hint under a resting mouse.
struct THintWorld {
    THintWorld() {
        Host = &InstallHeadlessHost();
        App = std::make_unique<TApplication>();
        RegisterClass(TsHintManager::StaticClassInfo());
        Form = new TForm(App.get());
        const std::string text = Unit2Definition;
        const size_t start = text.find("  object sHintManager1: TsHintManager\n");
        const size_t end = text.find("\n  end\n", start);
        ReadComponentResource(
            Form, "object Form1: TForm\n" + text.substr(start, end + 7 - start) + "end\n",
            "Unit2.dfm");
        Form->SetBorderStyle(bsNone);
        Form->SetBounds(200, 200, 244, 337);
        auto* edit = new TPanel(Form);
        edit->SetParent(Form);
        edit->SetBounds(64, 24, 121, 21);
        edit->SetHint(LongestHint);
        edit->SetShowHint(true);
        Form->Show();
        App->ProcessMessages();
        Host->InjectMouseMove(Form->HostWindow(), 80, 34);
        App->ProcessMessages();
    }
    ~THintWorld() {
        App.reset();
        SetHost(nullptr);
    }
    THeadlessHost* Host = nullptr;
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
};

// The pause has ended: the hint is measured, placed, the screen below read,
// the picture painted and the window shown and presented.
void BM_HintFirstFrame(benchmark::State& state) {
    THintWorld world;
    const TPoint cursor{280, 234};
    for (auto _ : state) {
        world.App->ActivateHint(cursor);
        world.App->ProcessMessages();
    }
    if (!world.App->HintWindow() || !world.App->HintWindow()->Visible())
        state.SkipWithError("no hint showed");
}
BENCHMARK(BM_HintFirstFrame)->Unit(benchmark::kMicrosecond);

// A 200-character hint with bold, italic, a font and a line break.
std::string HtmlHint() {
    std::string s = "<b>Login</b>: digite aqui o <i>nome</i> do jogador.<br>"
                    "<font color=\"#0000FF\" size=+1>Ele fica pr\xc3\xa9-definido</font> quando "
                    "voce entra no jogo; ";
    while (s.size() < 200)
        s += "x";
    return s.substr(0, 200);
}

void BM_HtmlLayout(benchmark::State& state) {
    InstallHeadlessHost();
    TBitmap picture(400, 100);
    picture.Canvas()->Font()->SetName("Tahoma");
    picture.Canvas()->Font()->SetHeight(-11);
    const std::string text = HtmlHint();
    const bool draw = state.range(0) != 0;
    for (auto _ : state) {
        TsHtml html;
        html.Prepare(&picture, text, {0, 0, 400, 0});
        TRect out;
        html.Render(out, draw);
        benchmark::DoNotOptimize(out);
    }
    SetHost(nullptr);
}
BENCHMARK(BM_HtmlLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

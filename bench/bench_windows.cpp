// Full repaints of the launcher's main window and options dialog as the
// program builds them (skinned controls, skinned frame): once with every
// cache rebuilt, as after a skin change, and once with the caches warm, as
// when a window is uncovered. Beside them, the same windows read from the
// same definitions with the plain controls standing in, for comparison.

#include <benchmark/benchmark.h>

#include "ScratchGame.h"

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "framework/component/TFormReader.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TForm.h"
#include "framework/stdctrls/PlainControls.h"
#include "framework/window/WinApi.h"
#include "launcher/Project1.h"
#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "platform/CreateHost.h"
#include "skin/SkinCommands.h"

extern const char Unit1Definition[];
extern const char Unit2Definition[];

namespace {

constexpr unsigned FullRedraw =
    RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The launcher as the program starts it, both windows shown.
struct TLauncherWorld {
    TLauncherWorld() {
        InstallHeadlessHost();
        CreateLauncher();
        Form1->Show();
        Form2->Show();
        Application->ProcessMessages();
    }
    ~TLauncherWorld() { DestroyLauncher(); }
    TScratchGame Game{"bench-windows", TScratchSettings::Configured};
};

// Handlers, and the properties only the skinned controls have.
bool HigherLayerProperty(const std::string& body) {
    if (body.find(" = ") == std::string::npos) return false;
    for (const char* name : {"On", "HoverFont.", "URL ", "FocusMargin ", "SkinData."})
        if (body.rfind(name, 0) == 0) return true;
    return false;
}

// A definition with the plain classes standing in: the skin manager's and
// frame's blocks, handlers and the skinned controls' own properties dropped.
std::string PlainDefinition(const std::string& definition) {
    std::istringstream in(definition);
    std::string text, line;
    size_t skipIndent = std::string::npos;
    while (std::getline(in, line)) {
        const size_t at = line.find_first_not_of(' ');
        const std::string body = at == std::string::npos ? "" : line.substr(at);
        if (skipIndent != std::string::npos) {
            if (at == skipIndent && body.rfind("end", 0) == 0) skipIndent = std::string::npos;
            continue;
        }
        const bool object = body.rfind("object ", 0) == 0;
        if (object && (body.find(": TsSkinManager") != std::string::npos ||
                       body.find(": TsSkinProvider") != std::string::npos ||
                       body.find(": TsHintManager") != std::string::npos)) {
            skipIndent = at;
            continue;
        }
        if (HigherLayerProperty(body)) continue;
        if (object && at == 0) line = line.substr(0, line.find(':')) + ": TForm";
        if (size_t p = line.find(": TsWebLabel"); object && p != std::string::npos)
            line.replace(p, 12, ": TLabel");
        else if (size_t q = line.find(": Ts"); object && q != std::string::npos)
            line.erase(q + 3, 1);
        text += line + "\n";
    }
    return text;
}

struct TPlainWorld {
    explicit TPlainWorld(const char* definition) {
        InstallHeadlessHost();
        RegisterPlainControls();
        App = std::make_unique<TApplication>();
        Form = new TForm(App.get());
        ReadComponentResource(Form, PlainDefinition(definition), "plain.dfm");
        Form->Show();
        App->ProcessMessages();
    }
    std::unique_ptr<TApplication> App;
    TForm* Form = nullptr;
};

void Repaint(benchmark::State& state, TForm* form, bool rebuild) {
    for (auto _ : state) {
        // A refresh marks the frame's and every control's cache stale.
        if (rebuild) form->Perform(SM_VESKACMD, SkinWParam(SKC_REFRESH));
        RedrawWindow(form->Handle(), nullptr, FullRedraw);
    }
}

void BM_MainWindowRepaintCachesRebuilt(benchmark::State& s) {
    TLauncherWorld w;
    Repaint(s, Form1, true);
}
void BM_MainWindowRepaintCachesWarm(benchmark::State& s) {
    TLauncherWorld w;
    Repaint(s, Form1, false);
}
void BM_PlainMainWindowRepaint(benchmark::State& s) {
    TPlainWorld w(Unit1Definition);
    Repaint(s, w.Form, false);
}
void BM_OptionsRepaintCachesRebuilt(benchmark::State& s) {
    TLauncherWorld w;
    Repaint(s, Form2, true);
}
void BM_OptionsRepaintCachesWarm(benchmark::State& s) {
    TLauncherWorld w;
    Repaint(s, Form2, false);
}
void BM_PlainOptionsRepaint(benchmark::State& s) {
    TPlainWorld w(Unit2Definition);
    Repaint(s, w.Form, false);
}

BENCHMARK(BM_MainWindowRepaintCachesRebuilt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MainWindowRepaintCachesWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainMainWindowRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OptionsRepaintCachesRebuilt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OptionsRepaintCachesWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainOptionsRepaint)->Unit(benchmark::kMicrosecond);
} // namespace

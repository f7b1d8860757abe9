// Reading a form definition that holds a stored skin and loading it into the
// process-wide skin state: the launcher's own skin, as the main window's
// definition carries it, and a made-up one of the same size (55 sections, 76
// images, a 348 x 207 master bitmap of 8 bits).
#include <benchmark/benchmark.h>

#include <memory>

#include "framework/component/TClassRegistry.h"
#include "framework/component/TFormReader.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/stored/StoredSkinWriter.h"

// The main window's definition, built into the program.
extern const char Unit1Definition[];

namespace {

// The skin manager's block of the main window's definition, under a plain root.
std::string LauncherDefinition() {
    const std::string text = Unit1Definition;
    const size_t start = text.find("  object sSkinManager1: TsSkinManager\n");
    const size_t end = text.find("\n  end\n", start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return "object Holder: TComponent\n" + text.substr(start, end + 7 - start) + "end\n";
}

std::string MadeUpDefinition() {
    TsStoredSkins skins;
    TsStoredSkin* s = skins.Add();
    s->Name = "Office12Style (internal)";
    TPixels master(348, 207);
    for (int y = 0; y < master.Height(); ++y)
        for (int x = 0; x < master.Width(); ++x) {
            const uint32_t c = (x * 7 + y * 13) & 0xFF;
            master.SetPixel(x, y, c | ((255 - c) << 8) | ((c * 3 & 0xFF) << 16));
        }
    s->MasterBitmap()->Bitmap().Pixels() = master;
    for (int i = 0; i < 55; ++i) {
        TsSkinGeneral* g = s->GeneralData()->Add();
        g->SectionName = "SECTION" + std::to_string(i);
        g->ParentClass = i % 3 ? "SECTION0" : "";
        g->Color = 0xF0F0F0 - i;
        g->FontColor = "0 16777215 -1 -1 -1";
        g->HotFontColor = "0 -1 -1 -1 -1";
        g->GradientPercent = 100;
        g->GradientData =
            "13413545;16772587;52;1;0;16772587;13413545;48;1;0;13413545;13413545;0;1;0";
        g->HotGradientData = "14930641;14271169;100;0;0;14271169;14271169;0;0;0";
        g->FadingIntervalIn = 5, g->FadingIntervalOut = 5, g->FadingIterations = 5;
        g->HotColor = 0xFFFFFF;
    }
    for (int i = 0; i < 76; ++i) {
        TsSkinImage* m = s->Images()->Add();
        m->SectionName = "SECTION" + std::to_string(i % 55);
        m->Name = "MASTER.BMP";
        m->PropertyName = i ? "BORDERSMASK" : "MASTERBITMAP";
        if (i == 0) m->Image()->Bitmap().Pixels() = master;
        m->Left = i, m->Top = 44, m->Right = i + 21, m->Bottom = 68;
        m->ImageCount = i ? 1 : 0, m->BorderWidth = 1;
    }
    return "object Holder: TComponent\n  object sSkinManager1: TsSkinManager\n" +
           WriteInternalSkins(skins, "    ") +
           "    SkinName = 'Office12Style (internal)'\n    SkinnedPopups = False\n  end\nend\n";
}

void LoadStoredSkin(benchmark::State& state, const std::string& text) {
    RegisterClass(TsSkinManager::StaticClassInfo());
    for (auto _ : state) {
        auto root = std::make_unique<TComponent>(nullptr);
        ReadComponentResource(root.get(), text, "Unit1.dfm");
        benchmark::DoNotOptimize(SkinGeneralData.data());
        state.PauseTiming();
        if (SkinGeneralData.size() != 55 || SkinMasks.size() != 76)
            state.SkipWithError("the skin did not load");
        root.reset();
        state.ResumeTiming();
    }
    state.counters["definition_bytes"] = static_cast<double>(text.size());
}
void BM_LoadLauncherSkin(benchmark::State& state) {
    LoadStoredSkin(state, LauncherDefinition());
}
void BM_LoadMadeUpSkin(benchmark::State& state) {
    LoadStoredSkin(state, MadeUpDefinition());
}
BENCHMARK(BM_LoadLauncherSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMadeUpSkin)->Unit(benchmark::kMillisecond);

} // namespace

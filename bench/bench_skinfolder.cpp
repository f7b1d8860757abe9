// Skin folders: loading the dark skin that ships with the launcher, and a
// full skin switch of the running launcher (load, announce, repaint all three
// windows), to the dark skin and back to the stored one.

#include <benchmark/benchmark.h>

#include "ScratchGame.h"

#include <string>

#include "framework/forms/TApplication.h"
#include "launcher/Project1.h"
#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "platform/CreateHost.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/SkinFolderLoader.h"

namespace {

const char* const ShippedSkins = QUELM_SOURCE_DIR "/skins";
const char* const DarkSkin = "Nightfall";
const char* const StoredSkin = "Office12Style (internal)";

// The launcher with its three windows shown.
struct TLauncherWorld {
    TLauncherWorld() {
        InstallHeadlessHost();
        CreateLauncher();
        Manager = dynamic_cast<TsSkinManager*>(Form1->FindComponent("sSkinManager1"));
        Manager->SetSkinDirectory(ShippedSkins);
        for (TCustomForm* f : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2),
                               static_cast<TCustomForm*>(Form3)})
            f->Show();
        Application->ProcessMessages();
    }
    ~TLauncherWorld() { DestroyLauncher(); }
    void Switch(const char* skin) {
        Manager->SetSkinName(skin);
        Application->ProcessMessages();
    }
    TScratchGame Game{"bench-skinfolder", TScratchSettings::None};
    TsSkinManager* Manager = nullptr;
};

void BM_LoadDarkSkinFolder(benchmark::State& state) {
    InstallSkinFolderLoader();
    TsSkinManager manager(nullptr);
    manager.SetSkinDirectory(ShippedSkins);
    for (auto _ : state)
        manager.SetSkinName(DarkSkin);
}
BENCHMARK(BM_LoadDarkSkinFolder)->Unit(benchmark::kMillisecond);

void SwitchBenchmark(benchmark::State& state, const char* to, const char* from) {
    TLauncherWorld world;
    for (auto _ : state) {
        state.PauseTiming();
        world.Switch(from);
        state.ResumeTiming();
        world.Switch(to);
    }
}
void BM_SwitchLauncherToDarkSkin(benchmark::State& state) {
    SwitchBenchmark(state, DarkSkin, StoredSkin);
}
void BM_SwitchLauncherToStoredSkin(benchmark::State& state) {
    SwitchBenchmark(state, StoredSkin, DarkSkin);
}
BENCHMARK(BM_SwitchLauncherToDarkSkin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchLauncherToStoredSkin)->Unit(benchmark::kMillisecond);

} // namespace

// A seeded stream of random mouse and keyboard input at all three windows,
// with the virtual clock running: whatever a player does, the launcher must
// not crash, and the settings store must hold either what it held before or
// a valid value for every setting. The default run is short; set
// RANDOM_INPUT_EVENTS (and RANDOM_INPUT_SEED) for a long one.

#include "LauncherFixture.h"

#include <cstdlib>
#include <random>

namespace {

constexpr int DefaultEvents = 3000;
constexpr uint32_t DefaultSeed = 20261207;
constexpr int MaxClockStepMs = 120;
constexpr int MaxDragSteps = 6;
constexpr int WindowMargin = 8; // also aim a little outside a window

int EnvNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

// The keys a player uses on these windows, and a few letters to type.
const int Keys[] = {VK_TAB,  VK_LEFT,   VK_RIGHT, VK_UP,     VK_DOWN,   VK_HOME,
                    VK_END,  VK_PRIOR,  VK_NEXT,  VK_RETURN, VK_ESCAPE, VK_SPACE,
                    VK_BACK, VK_DELETE, 'A',      'Q',       'Z',       '1'};
const unsigned Modifiers[] = {0, 0, 0, kmShift, kmCtrl, kmAlt};
const char* const Texts[] = {"a", "Z", "jogador", "\xc3\xa7", " ", "9"};

} // namespace

class RandomInput : public HeadlessLauncher {
protected:
    void SetUp() override {
        HeadlessLauncher::SetUp();
        // Stand-ins for the game and for the link opener, found before any
        // real one: nothing outside the scratch folder is ever started.
        OldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        fs::create_directory(Folder / "bin");
        WriteClient(Folder / "main.exe", Folder / "runs.log");
        WriteClient(Folder / "bin" / "xdg-open", Folder / "links.log");
        setenv("PATH", (Folder / "bin").c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", OldPath.c_str(), 1);
        HeadlessLauncher::TearDown();
    }

    TCustomForm* PickWindow() {
        std::vector<TCustomForm*> shown;
        for (TCustomForm* f : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2),
                               static_cast<TCustomForm*>(Form3)})
            if (f && f->Visible() && f->HostWindow()) shown.push_back(f);
        if (shown.empty()) return nullptr;
        return shown[Pick(shown.size())];
    }
    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(Rng); }
    int Within(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(Rng); }

    // One random thing a player does to window w, in window coordinates.
    void SendOne(TCustomForm* form) {
        IHostWindow* w = form->HostWindow();
        const int x = Within(-WindowMargin, form->Width() + WindowMargin);
        const int y = Within(-WindowMargin, form->Height() + WindowMargin);
        const unsigned mods = Modifiers[Pick(std::size(Modifiers))];
        switch (Pick(8)) {
        case 0:
        case 1:
            Host->InjectMouseMove(w, x, y, mods);
            break;
        case 2:
            Host->InjectClick(w, x, y, Pick(4) ? mbLeft : mbRight, mods);
            break;
        case 3:
            Drag(w, x, y);
            break;
        case 4:
            Host->InjectWheel(w, x, y, Within(-3, 3), mods);
            break;
        case 5:
            Host->InjectText(w, Texts[Pick(std::size(Texts))]);
            break;
        default:
            Host->InjectKey(w, Keys[Pick(std::size(Keys))], mods);
            break;
        }
    }
    void Drag(IHostWindow* w, int x, int y) {
        Host->InjectMouseDown(w, x, y);
        for (int i = Within(1, MaxDragSteps); i > 0; --i) {
            x += Within(-40, 40);
            y += Within(-20, 20);
            Host->InjectMouseMove(w, x, y);
            Application->ProcessMessages();
        }
        Host->InjectMouseUp(w, x, y);
    }

    // The store holds each setting with a value the dialog could have written.
    void ExpectValidSettings() {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(GameSettingsKey, false));
        EXPECT_EQ(reg.GetDataType("ID"), rdString);
        const struct {
            const char* Name;
            int Lo, Hi;
        } ranges[] = {{"MusicOnOff", 0, 1},
                      {"SoundOnOff", 0, 1},
                      {"ColorDepth", 0, 1},
                      {"Resolution", 0, 3},
                      {"VolumeLevel", 0, 10}};
        for (const auto& r : ranges) {
            ASSERT_EQ(reg.GetDataType(r.Name), rdInteger) << r.Name;
            const int32_t v = reg.ReadInteger(r.Name);
            EXPECT_GE(v, r.Lo) << r.Name;
            EXPECT_LE(v, r.Hi) << r.Name;
        }
    }

    std::mt19937 Rng;
    std::string OldPath;
};

TEST_F(RandomInput, NothingAPlayerDoesBreaksTheLauncherOrItsSettings) {
    const int events = EnvNumber("RANDOM_INPUT_EVENTS", DefaultEvents);
    Rng.seed(static_cast<uint32_t>(EnvNumber("RANDOM_INPUT_SEED", DefaultSeed)));
    WriteFullIni("0");
    WriteAllSettings();
    const std::string before = ReadTestFile((Folder / "registry.reg").string());
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    int restarts = 0;
    for (int i = 0; i < events && !HasFatalFailure(); ++i) {
        TCustomForm* form = PickWindow();
        if (!form || Application->Terminated()) {
            // The player left through Exit or the close box: start again, as they would.
            DestroyLauncher();
            CreateLauncher();
            Form1->Show();
            ++restarts;
        } else {
            // Now and then open a dialog, so input reaches all three windows.
            if (Pick(200) == 0) Click(Pick(2) ? "Form1.sButton3" : "Form1.sButton2");
            SendOne(form);
        }
        Host->AdvanceClock(Within(0, MaxClockStepMs));
        Application->ProcessMessages();
    }
    const std::string after = ReadTestFile((Folder / "registry.reg").string());
    if (after != before) ExpectValidSettings();
    RecordProperty("restarts", restarts);
    RecordProperty("boxes", static_cast<int>(MessageBoxLog().size()));
    RecordProperty("settings_written", after != before);
    RecordProperty("games_started", static_cast<int>(Runs(Folder / "runs.log", 0).size()));
    RecordProperty("links_opened", static_cast<int>(Runs(Folder / "links.log", 0).size()));
}

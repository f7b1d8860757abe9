// Switching skins while the launcher runs: the dark skin folder that ships
// with it, chosen from the system menu or by name, reskins all three windows;
// switching back leaves nothing of it; a folder that fails leaves the skin
// shown and says why.

#include "LauncherFixture.h"
#include "WindowGoldens.h"

#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {

const char* const StoredSkin = "Office12Style (internal)";
const char* const DarkSkin = "Nightfall";
constexpr uint64_t FadeDone = 1000;
constexpr uint64_t FadeTick = 10;

class SkinSwitch : public HeadlessLauncher {
protected:
    // The launcher with its three windows shown and the shipped skins offered.
    void Start(const std::string& skinDirectory = QUELM_SOURCE_DIR "/skins") {
        WriteFullIni("0", "");
        WriteAllSettings();
        CreateLauncher();
        Manager = dynamic_cast<TsSkinManager*>(Form1->FindComponent("sSkinManager1"));
        ASSERT_NE(Manager, nullptr);
        Manager->SetSkinDirectory(skinDirectory);
        Form1->Show();
        Application->ProcessMessages();
        Click("sButton3");
        Click("Form1.sButton2");
    }
    std::vector<TPixels> Pictures() const {
        std::vector<TPixels> pictures;
        for (TCustomForm* f : LauncherWindows())
            pictures.push_back(Host->Find(f->HostWindow())->Picture());
        return pictures;
    }
    // Alt+Space on the main window, the skins submenu by its key, then the
    // skin at Row of the sorted list.
    void ChooseFromSystemMenu(int row) {
        Form1->Perform(WM_SYSCOMMAND, SC_KEYMENU, ' ');
        Application->ProcessMessages();
        Host->InjectText(Form1->HostWindow(), "a");
        Application->ProcessMessages();
        for (int i = 0; i < row; ++i)
            Key(VK_DOWN);
        Key(VK_RETURN);
    }

    // Lets the clock run in small steps, one timer tick each, until fades are done.
    void RunFades() {
        for (uint64_t t = 0; t < FadeDone; t += FadeTick)
            Wait(FadeTick);
    }

    TsSkinManager* Manager = nullptr;
};

bool Same(const std::vector<TPixels>& a, const std::vector<TPixels>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].Width() != b[i].Width() || a[i].Height() != b[i].Height()) return false;
        for (int y = 0; y < a[i].Height(); ++y)
            if (!std::equal(a[i].ScanLine(y), a[i].ScanLine(y) + a[i].Width() * 3,
                            b[i].ScanLine(y)))
                return false;
    }
    return true;
}

} // namespace

TEST_F(SkinSwitch, TheDarkSkinFromTheSystemMenuReskinsAllThreeWindows) {
    Start();
    std::vector<std::string> names;
    Manager->GetSkinNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{DarkSkin, StoredSkin}));
    ChooseFromSystemMenu(0);
    EXPECT_EQ(Manager->SkinName(), DarkSkin);
    EXPECT_TRUE(MessageBoxLog().empty());
    ExpectWindowsMatchGoldens(*Host, "launcher-dark-");
}

TEST_F(SkinSwitch, TenSwitchesBackAndForthGiveTheSameWindowsEachTime) {
    Start();
    ChooseFromSystemMenu(1);
    const std::vector<TPixels> stored = Pictures();
    ChooseFromSystemMenu(0);
    const std::vector<TPixels> dark = Pictures();
    EXPECT_FALSE(Same(stored, dark));
    for (int i = 0; i < 10; ++i) {
        ChooseFromSystemMenu(1);
        EXPECT_TRUE(Same(Pictures(), stored)) << "stored skin, switch " << i;
        EXPECT_TRUE(SkinPatterns.empty());
        EXPECT_EQ(SkinMasks.size(), 76u);
        ChooseFromSystemMenu(0);
        EXPECT_TRUE(Same(Pictures(), dark)) << "dark skin, switch " << i;
    }
}

// A switch in the middle of the buttons' fades shows them as fades in the new
// skin alone would leave them, at once and without frames of the old skin.
TEST_F(SkinSwitch, ASwitchDuringAFadeEndsInTheNewSkinsLook) {
    Start();
    Manager->SetSkinName(DarkSkin);
    Hover("Form1.sButton1");
    Hover("Form1.sButton4");
    RunFades();
    const TPixels settled = Host->Find(Form1->HostWindow())->Picture();
    Manager->SetSkinName(StoredSkin);
    Hover("Form1.sButton1");
    Hover("Form1.sButton4");
    Wait(FadeTick);
    Wait(FadeTick); // the fades have begun and are not done
    Manager->SetSkinName(DarkSkin);
    // No frame blends a picture of the skin that went: the buttons show their new look at once.
    Wait(FadeTick);
    EXPECT_TRUE(Same({Host->Find(Form1->HostWindow())->Picture()}, {settled}));
    RunFades();
    EXPECT_TRUE(Same({Host->Find(Form1->HostWindow())->Picture()}, {settled}));
}

TEST_F(SkinSwitch, AFolderThatFailsLeavesTheSkinShownAndSaysWhy) {
    const TTempFolder skins;
    std::filesystem::copy(QUELM_SOURCE_DIR "/skins", skins.Path(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(skins / "Broken");
    std::filesystem::copy(skins / "Nightfall/Options.dat", skins / "Broken/Options.dat");
    skins.Write("Broken/Master.bmp", "BM but not a bitmap");
    Start(skins.Path());
    const std::vector<TPixels> before = Pictures();
    ChooseFromSystemMenu(0); // Broken, Nightfall, then the stored skin
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_NE(MessageBoxLog()[0].Text.find("Broken/Master.bmp"), std::string::npos)
        << MessageBoxLog()[0].Text;
    EXPECT_EQ(Manager->SkinName(), StoredSkin);
    Application->ProcessMessages();
    EXPECT_TRUE(Same(Pictures(), before));
}

#include "LauncherFixture.h"

#include "platform/headless/THeadlessWindow.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

using MainWindowSkin = HeadlessLauncher;

// The main window carries the launcher's skin: creating it loads the stored
// skin into the process-wide state, and closing the launcher removes it.
TEST_F(MainWindowSkin, MainWindowLoadsItsStoredSkin) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    auto* manager = dynamic_cast<TsSkinManager*>(Form1->FindComponent("sSkinManager1"));
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->IsDefault());
    EXPECT_EQ(manager->SkinName(), "Office12Style (internal)");
    EXPECT_TRUE(GlobalSkinData->SkinReady);
    EXPECT_EQ(SkinGeneralData.size(), 55u);
    EXPECT_EQ(SkinMasks.size(), 76u);
    EXPECT_EQ(manager->GetDefaultColor(), 13744054);
    EXPECT_TRUE(MessageBoxLog().empty());
    DestroyLauncher();
    EXPECT_TRUE(SkinGeneralData.empty());
    EXPECT_FALSE(GlobalSkinData->SkinReady);
}

// The windows' six buttons are skinned, and Tab shows where the focus went
// by the hot look of the buttons (the main window's focus rectangles lie
// outside its buttons).
TEST_F(MainWindowSkin, TheButtonsAreSkinnedAndTabMovesAVisibleFocus) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    for (const char* name : {"Form1.sButton1", "Form1.sButton2", "Form1.sButton3", "Form1.sButton4",
                             "Form2.sButton1", "Form2.sButton2"})
        EXPECT_TRUE(AskCommand(Find(name), SKC_ISSKINNED)) << name;
    Form1->Show();
    Application->ProcessMessages();
    // The default button shows hot while the news pane has the focus; the
    // first Tab gives it the focus, the second moves it on.
    Key(VK_TAB);
    ASSERT_EQ(Form1->FocusedControl(), Find("Form1.sButton1"));
    const TPixels before = Host->Find(Form1->HostWindow())->Picture();
    Key(VK_TAB);
    ASSERT_EQ(Form1->FocusedControl(), Find("Form1.sButton2"));
    const TPixels after = Host->Find(Form1->HostWindow())->Picture();
    std::vector<std::string> changed;
    for (const char* name : {"sButton1", "sButton2", "sButton3", "sButton4"}) {
        const TControl* b = Find("Form1." + std::string(name));
        const TPoint o = b->ClientToScreen({0, 0});
        const TRect w = Form1->BoundsRect();
        const int x = o.X - w.Left + b->Width() / 2, y = o.Y - w.Top + 3;
        if (before.Pixel(x, y) != after.Pixel(x, y)) changed.push_back(name);
    }
    EXPECT_EQ(changed, (std::vector<std::string>{"sButton1", "sButton2"}));
}

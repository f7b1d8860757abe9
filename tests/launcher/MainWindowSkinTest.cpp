#include "LauncherFixture.h"

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

// The options dialog's hints: the login box and the volume slider show
// their texts in the dialog's comics look after the pause, over the
// dialog's edge, and go after the dialog's PauseHide.

#include "LauncherFixture.h"

#include "hints/TsComicsHintWindow.h"
#include "hints/TsHintManager.h"
#include "launcher/Unit2.h"
#include "tests/GoldenImage.h"

using OptionsHint = HeadlessLauncher;

TEST_F(OptionsHint, TheLoginBoxShowsItsHintAsAComicOverTheDialogsEdge) {
    WriteFullIni("0", "");
    WriteAllSettings();
    CreateLauncher();
    ASSERT_NE(Form2->sHintManager1, nullptr);
    EXPECT_EQ(TsHintManager::Active(), Form2->sHintManager1);
    Hover("sEdit1");
    Wait(499);
    EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Visible());
    Wait(1);
    auto* hint = dynamic_cast<TsComicsHintWindow*>(Application->HintWindow());
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(),
              "Digite aqui o login para que quando voce entre no jogo ele j\xc3\xa1 "
              "fique pr\xc3\xa9-definido");
    const TRect dialog = Form2->BoundsRect(), shown = hint->BoundsRect();
    EXPECT_TRUE(shown.Left < dialog.Right && shown.Right > dialog.Right);
    EXPECT_TRUE(hint->SawBelow());
    // What the player sees around the dialog's right edge: the hint over the
    // dialog on one side and over the desktop on the other.
    const TRect area{dialog.Left, shown.Top - 20, shown.Right + 10, shown.Bottom + 10};
    const TPixels screen = Host->Screenshot();
    TPixels part(area.Width(), area.Height());
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x)
            part.SetPixel(x, y, screen.Pixel(area.Left + x, area.Top + y));
    ExpectMatchesGolden(part, "launcher-Form2-hint");
    Wait(999);
    EXPECT_TRUE(hint->Visible());
    Wait(1);
    EXPECT_FALSE(hint->Visible());

    Hover("sTrackBar1");
    Wait(500);
    ASSERT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(), "Volume da \"M\xc3\xbasica\"");
}

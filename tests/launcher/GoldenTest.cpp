// The three windows as a player first sees them, compared pixel by pixel.
// Regenerate deliberately with: make golden

#include "LauncherFixture.h"

#include "WindowGoldens.h"

using LauncherGolden = HeadlessLauncher;

TEST_F(LauncherGolden, WindowsMatchTheirGoldenImages) {
    WriteFullIni("0", WriteNewsPage());
    WriteAllSettings();
    ShowTheThreeWindows();
    ExpectWindowsMatchGoldens(*Host, "launcher-");
}

// The options dialog while in use: the skinned look of a focused field and of
// a control under the mouse, after their fades have run out.
TEST_F(LauncherGolden, OptionsInUseMatchTheirGoldenImages) {
    constexpr uint64_t FadeDone = 1000;
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    Click("sButton3");
    Click("sEdit1");
    Hover("sComboBox1");
    Wait(FadeDone);
    ExpectMatchesGolden(Host->Find(Form2->HostWindow())->Picture(),
                        "launcher-Form2-edit-focused-combo-hot");
    Click("sTrackBar1");
    Hover("sCheckBox1");
    Wait(FadeDone);
    ExpectMatchesGolden(Host->Find(Form2->HostWindow())->Picture(),
                        "launcher-Form2-trackbar-focused-checkbox-hot");
}

// The three windows as a player first sees them, compared pixel by pixel.
// Regenerate deliberately with: make golden

#include "LauncherFixture.h"

#include "framework/stdctrls/TButton.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

TEST_F(LauncherTest, WindowsMatchTheirGoldenImages) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    ClickOn(Form1->sButton3);
    ClickOn(Form1->sButton2);
    for (TCustomForm* f : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2),
                           static_cast<TCustomForm*>(Form3)}) {
        SCOPED_TRACE(f->Name());
        ExpectMatchesGolden(Host->Find(f->HostWindow())->Picture(), "launcher-" + f->Name());
    }
}

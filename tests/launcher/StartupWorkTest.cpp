// The start-up work done on a worker thread beside the display's start: the
// windows made after it are the same, pixel for pixel, as the golden ones
// (each test runs in a process of its own, so the fonts are first found and
// opened on the worker here).

#include "LauncherFixture.h"

#include "WindowGoldens.h"
#include "launcher/StartupWork.h"

using StartupWork = HeadlessLauncher;

TEST_F(StartupWork, TheWindowsAfterAWorkerStartMatchTheirGoldenImages) {
    WriteFullIni("0", WriteNewsPage());
    WriteAllSettings();
    TStartupWork work;
    work.Join();
    CreateLauncher();
    Form1->Show();
    ASSERT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(20'000));
    Application->ProcessMessages();
    Click("sButton3");
    Click("Form1.sButton2");
    ExpectWindowsMatchGoldens(*Host, "launcher-");
}

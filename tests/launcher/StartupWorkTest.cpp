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
    ShowTheThreeWindows();
    ExpectWindowsMatchGoldens(*Host, "launcher-");
}

// The start-up work done ahead of the windows (fonts opened, definitions
// parsed, the stored skin decoded): the windows made after it are the same,
// pixel for pixel, as the golden ones.

#include "LauncherFixture.h"

#include "WindowGoldens.h"
#include "launcher/StartupWork.h"

using StartupWork = HeadlessLauncher;

TEST_F(StartupWork, TheWindowsAfterTheWorkMatchTheirGoldenImages) {
    WriteFullIni("0", WriteNewsPage());
    WriteAllSettings();
    TStartupWork::Run();
    ShowTheThreeWindows();
    ExpectWindowsMatchGoldens(*Host, "launcher-");
}

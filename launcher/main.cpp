// The launcher program: real windows by default, headless screenshots on request.

#include <cstdio>
#include <cstring>
#include <exception>

#include "launcher/Project1.h"
#include "launcher/StartupWork.h"
#include "launcher/Unit1.h"
#include "platform/CreateHost.h"
#include "platform/services/SettingsLocation.h"

namespace {
void PrintHelp() {
    std::printf("Usage: launcher [--screenshot DIR] [--settings-info] [--help] [--version]\n"
                "\n"
                "Starts the game launcher in the current folder, which must be the game's\n"
                "folder: it reads ./launch.ini and starts ./main.exe.\n"
                "\n"
                "  --screenshot DIR  run the start-up without a display, show the options and\n"
                "                    about dialogs, write DIR/Form1.png, DIR/Form2.png and\n"
                "                    DIR/Form3.png, print each message box shown, and exit\n"
                "  --settings-info   show where the game's settings are kept, and why, and exit\n"
                "  --help            show this help and exit\n"
                "  --version         show the version and exit\n"
                "\n"
                "The game's settings are kept where the game reads them: when ./main.exe is a\n"
                "Windows program and Wine is found, in the Wine prefix ($WINEPREFIX, else\n"
                "~/.wine); else in $XDG_CONFIG_HOME/quelm-launcher/registry.reg (~/.config when\n"
                "XDG_CONFIG_HOME is not set). QUELM_REGISTRY names another store file.\n");
}
} // namespace

int main(int argc, char** argv) {
    const char* screenshotDir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", LauncherTitle);
            return 0;
        }
        if (std::strcmp(argv[i], "--settings-info") == 0) {
            std::fputs(DescribeSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile)).c_str(),
                       stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshotDir = argv[++i];
            continue;
        }
        std::fprintf(stderr, "launcher: unknown option '%s' (try --help)\n", argv[i]);
        return 2;
    }
    // Beside the display's start; joined before the first window.
    TStartupWork work;
    try {
        // Chosen once: the dialog reads and writes the same store all along.
        UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
        if (screenshotDir) {
            work.Join();
            return RunScreenshots(screenshotDir);
        }
        SetHost(CreateSdlHost());
        work.Join();
        return RunLauncher();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher: %s\n", e.what());
        return 1;
    }
}

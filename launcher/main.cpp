// The launcher program: real windows by default, headless screenshots on request.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/graphics/TBitmap.h"
#include "launcher/LauncherOptions.h"
#include "launcher/MenuEntry.h"
#include "launcher/Project1.h"
#include "launcher/StartupWork.h"
#include "launcher/Unit1.h"
#include "platform/CreateHost.h"
#include "platform/scaled/DisplayScale.h"
#include "platform/scaled/TScaledHost.h"
#include "platform/sdl/TComposeCache.h"
#include "platform/sdl/TNoBusLaunch.h"
#include "platform/services/SettingsLocation.h"

namespace {

// The launcher reads launch.ini and main.exe from the current folder, as it
// always has; another game's folder is simply made the current one.
bool EnterGameDir(const std::string& dir) {
    if (dir.empty() || chdir(dir.c_str()) == 0) return true;
    std::fprintf(stderr, "launcher: cannot use '%s' as the game's folder: %s\n", dir.c_str(),
                 std::strerror(errno));
    return false;
}

int WriteMenuEntry() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::filesystem::path gameDir = std::filesystem::current_path(ec);
    if (ec || program.empty()) {
        std::fprintf(stderr, "launcher: cannot tell where the program or the game's folder is\n");
        return 1;
    }
    const std::string error = InstallMenuEntry(program.string(), gameDir.string());
    if (!error.empty()) {
        std::fprintf(stderr, "launcher: cannot add the menu entry: %s\n", error.c_str());
        return 1;
    }
    std::printf("Menu entry written: %s\n", MenuEntryPath().c_str());
    return 0;
}

// The scale of every window, reported when a setting had to be ignored.
int DisplayScale(const TLauncherOptions& options, int desktopDpi) {
    const TScaleChoice choice = ChooseDisplayScale(options.Scale, std::getenv("QUELM_SCALE"),
                                                   [desktopDpi] { return desktopDpi; });
    if (!choice.Warning.empty()) std::fprintf(stderr, "launcher: %s\n", choice.Warning.c_str());
    return choice.Scale;
}

std::string ProgramName(int argc, char** argv) {
    const std::string name = argc > 0 && argv[0] ? std::filesystem::path(argv[0]).filename() : "";
    return name.empty() ? "launcher" : name;
}

// What SDL's start reads from the environment: set before any thread starts
// and kept until the program ends, as nothing may write the environment while
// another thread may read it. The programs the launcher starts never see
// these, and get the environment it was given.
struct TStartupEnvironment {
    TNoBusLaunch Bus;
    TComposeCache Compose;
};

} // namespace

int main(int argc, char** argv) {
    TLauncherOptions options;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    try {
        options = ParseLauncherOptions(args);
    } catch (const ELauncherOptions& e) {
        std::fprintf(stderr, "launcher: %s\n", e.what());
        return 2;
    }
    switch (options.Action) {
    case TLauncherAction::laHelp:
        std::fputs(LauncherHelpText(ProgramName(argc, argv)).c_str(), stdout);
        return 0;
    case TLauncherAction::laVersion:
        std::printf("%s\n", LauncherTitle);
        return 0;
    default:
        break;
    }
    // A screenshot folder named on the command line is meant from where the program was started.
    std::error_code ec;
    if (!options.ScreenshotDir.empty())
        options.ScreenshotDir = std::filesystem::absolute(options.ScreenshotDir, ec).string();
    if (!EnterGameDir(options.GameDir)) return 1;
    if (options.Action == TLauncherAction::laInstallMenuEntry) return WriteMenuEntry();
    if (options.Action == TLauncherAction::laSettingsInfo) {
        std::fputs(DescribeSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile)).c_str(),
                   stdout);
        return 0;
    }
    try {
        if (options.Action == TLauncherAction::laScreenshot) {
            UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
            TStartupWork::Run();
            return RunScreenshots(options.ScreenshotDir.c_str(), DisplayScale(options, 0));
        }
        const TStartupEnvironment environment;
        // The display opens on a thread of its own (most of a start, mostly
        // waiting on the X server) while this one builds and paints the
        // windows; the host is let go, and that thread joined, before the
        // environment above is put back.
        struct TDropHost {
            ~TDropHost() { SetHost(nullptr); }
        } dropHost;
        TDesktopFacts desktop;
        std::unique_ptr<IHost> host = StartSdlHost(desktop);
        const int scale = DisplayScale(options, desktop.Dpi);
        // Chosen once: the dialog reads and writes the same store all along.
        UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
        TStartupWork::Run();
        // Before the first window: the windows draw at the screen's pixels,
        // so that their text is sharp. Only this thread reads it.
        SetGraphicsScale(scale);
        SetHost(WithScale(std::move(host), scale));
        return RunLauncher();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher: %s\n", e.what());
        return 1;
    }
}

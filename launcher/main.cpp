// The launcher program: real windows by default, headless screenshots on request.

#include <malloc.h>
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
int DisplayScale(const TLauncherOptions& options, const IHost* host) {
    const TScaleChoice choice =
        ChooseDisplayScale(options.Scale, std::getenv("QUELM_SCALE"),
                           [host] { return host ? host->ResourceDpi() : 0; });
    if (!choice.Warning.empty()) std::fprintf(stderr, "launcher: %s\n", choice.Warning.c_str());
    return choice.Scale;
}

std::string ProgramName(int argc, char** argv) {
    const std::string name = argc > 0 && argv[0] ? std::filesystem::path(argv[0]).filename() : "";
    return name.empty() ? "launcher" : name;
}

// What SDL's start reads from the environment, set before any thread starts
// and put back once the start-up worker is joined: nothing writes the
// environment while another thread may read it, and the game gets the
// environment the launcher was given.
struct TStartupEnvironment {
    void Restore() {
        Bus.Restore();
        Compose.Restore();
    }
    TNoBusLaunch Bus;
    TComposeCache Compose;
};

} // namespace

int main(int argc, char** argv) {
    // What the start-up worker allocates is freed or handed to this thread;
    // in one arena that space is used again instead of holding a second
    // arena's pages beside the main one.
    mallopt(M_ARENA_MAX, 1);
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
    TStartupEnvironment environment;
    // Beside the display's start; joined before the first window.
    TStartupWork work;
    try {
        // Chosen once: the dialog reads and writes the same store all along.
        UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
        if (options.Action == TLauncherAction::laScreenshot) {
            work.Join();
            environment.Restore();
            return RunScreenshots(options.ScreenshotDir.c_str(), DisplayScale(options, nullptr));
        }
        std::unique_ptr<IHost> host = CreateSdlHost();
        const int scale = DisplayScale(options, host.get());
        SetHost(WithScale(std::move(host), scale));
        work.Join();
        environment.Restore();
        // Before the first window, and with no other thread running: the
        // windows draw at the screen's pixels, so that their text is sharp.
        SetGraphicsScale(scale);
        return RunLauncher();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "launcher: %s\n", e.what());
        return 1;
    }
}

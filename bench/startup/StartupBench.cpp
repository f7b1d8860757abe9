// The start-up comparison: the launcher, on the demo's game folder with its
// news page and on a copy of it without one, beside a bare SDL2 window (the
// floor) and, when it was built, the same main window in Qt 6 Widgets. Each round
// starts every program once on a private Xvfb without a window manager, in
// turn, so that the machine's changing load falls on all alike; the report
// gives medians and the launcher's ratios.
//
// Paths come from the build (see CMakeLists.txt); ROUNDS overrides the count.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <X11/Xlib.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/ScratchGameFiles.h"
#include "bench/startup/StartupRun.h"

namespace fs = std::filesystem;

namespace {

constexpr int DefaultRounds = 20;
constexpr int FirstDisplay = 150;
constexpr int ReadyTries = 100;
constexpr int ReadyWaitUs = 50000;
constexpr const char* WithPane = "launcher";
constexpr const char* WithoutPane = "launcher, no page";

// A private X server on the first display number from FirstDisplay that no
// other server holds; ready once a client can connect.
struct TXvfb {
    TXvfb() {
        int n = FirstDisplay;
        while (fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            ++n;
        const std::string name = ":" + std::to_string(n);
        Pid = fork();
        if (Pid == 0) {
            execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "1280x1024x24", "-br", "-noreset",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < ReadyTries && Display.empty(); ++i) {
            if (::Display* d = XOpenDisplay(name.c_str())) {
                XCloseDisplay(d);
                Display = name;
            } else {
                usleep(ReadyWaitUs);
            }
        }
    }
    ~TXvfb() {
        if (Pid <= 0) return;
        kill(Pid, SIGTERM);
        waitpid(Pid, nullptr, 0);
    }
    pid_t Pid = -1;
    std::string Display;
};

// A scratch game folder without a news page, so that the launcher's own cost
// shows apart from the pane's, and a configured settings store that both
// launcher rows share: without one the first window would be the first-run
// notice, not the main window.
std::string WriteScratchGame(const fs::path& folder) {
    fs::create_directories(folder);
    std::ofstream(folder / "launch.ini", std::ios::binary) << ScratchLaunchIni;
    std::ofstream(folder / "registry.reg", std::ios::binary) << ScratchConfiguredStore;
    return folder.string();
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

struct TSeries {
    std::vector<double> Frame, Rss, Shot;
};

void PrintRatios(const std::string& name, std::map<std::string, TSeries>& series) {
    const TSeries& l = series[name];
    const TSeries& sdl = series["bare SDL2"];
    std::printf("%s vs bare SDL2: first frame %+.1f ms (x%.2f), RSS x%.2f\n", name.c_str(),
                Median(l.Frame) - Median(sdl.Frame), Median(l.Frame) / Median(sdl.Frame),
                Median(l.Rss) / Median(sdl.Rss));
    if (!series.count("Qt 6 Widgets")) return;
    const TSeries& qt = series["Qt 6 Widgets"];
    std::printf("%s vs Qt 6 Widgets: first frame x%.2f, RSS x%.2f, screenshot x%.2f\n",
                name.c_str(), Median(l.Frame) / Median(qt.Frame), Median(l.Rss) / Median(qt.Rss),
                Median(l.Shot) / Median(qt.Shot));
}

int Rounds() {
    const char* text = std::getenv("ROUNDS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : DefaultRounds;
}

} // namespace

int main() {
    const fs::path scratch =
        fs::temp_directory_path() / ("bench-startup-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    const std::string noPage = WriteScratchGame(scratch / "game");
    const std::string store = "QUELM_REGISTRY=" + noPage + "/registry.reg";
    std::vector<TStartupProgram> windows = {
        {WithPane, {LAUNCHER_PATH}, {store}, DEMO_FOLDER},
        {WithoutPane, {LAUNCHER_PATH}, {store}, noPage},
        {"bare SDL2", {SDL_ANCHOR_PATH}, {}, ""},
    };
    std::vector<TStartupProgram> shots = {
        {WithPane,
         {LAUNCHER_PATH, "--screenshot", (scratch / "shots").string()},
         {store},
         DEMO_FOLDER},
        {WithoutPane,
         {LAUNCHER_PATH, "--screenshot", (scratch / "shots2").string()},
         {store},
         noPage},
    };
#ifdef QT_ANCHOR_PATH
    windows.push_back({"Qt 6 Widgets", {QT_ANCHOR_PATH}, {}, ""});
    shots.push_back({"Qt 6 Widgets",
                     {QT_ANCHOR_PATH, "--screenshot", (scratch / "qt.png").string()},
                     {"QT_QPA_PLATFORM=offscreen"},
                     ""});
#endif
    TXvfb server;
    if (server.Display.empty()) {
        std::fprintf(stderr, "bench_startup: cannot start Xvfb\n");
        return 1;
    }
    std::map<std::string, TSeries> series;
    const int rounds = Rounds();
    for (int r = 0; r < rounds; ++r) {
        for (const TStartupProgram& p : windows) {
            const TStartupSample s = MeasureFirstFrame(p, server.Display);
            if (!s.Ok) continue;
            series[p.Name].Frame.push_back(s.FirstFrameMs);
            series[p.Name].Rss.push_back(s.PeakRssMiB);
        }
        for (const TStartupProgram& p : shots)
            if (const double ms = MeasureRun(p); ms >= 0) series[p.Name].Shot.push_back(ms);
    }
    fs::remove_all(scratch);

    std::printf("Start-up, median of %d interleaved rounds (Xvfb, no window manager)\n", rounds);
    std::printf("%-18s %16s %14s %22s\n", "program", "first frame ms", "peak RSS MiB",
                "headless screenshot ms");
    for (auto& [name, s] : series)
        std::printf("%-18s %16.1f %14.1f %22.1f\n", name.c_str(), Median(s.Frame), Median(s.Rss),
                    Median(s.Shot));
    for (const char* launcher : {WithPane, WithoutPane})
        PrintRatios(launcher, series);
    if (!series.count("Qt 6 Widgets"))
        std::printf("(Qt 6 development files not found: no Qt anchor built)\n");
    return 0;
}

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

#include <pwd.h>

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
// launcher rows of an account share: without one the first window would be the first-run
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

using TResults = std::map<std::string, TSeries>; // by program

void PrintRatios(const std::string& name, TResults& series) {
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

// Who the programs run as. A player never starts the launcher as the
// superuser, and Xlib treats the superuser apart: it keeps no cache of the
// parsed compose table for it, so every program here parses it anew at each
// start. When the benchmark runs as the superuser it therefore runs every
// program a second time as an ordinary account with a home of its own.
struct TAccount {
    std::string Label; // in the report's heading; empty for ours
    int Uid = -1, Gid = -1;
    std::vector<std::string> Environment;
};

struct TPrograms {
    std::vector<TStartupProgram> Windows, Shots;
};

// The programs to measure as an account, with their files in folder (which
// the account owns).
TPrograms ProgramsFor(const TAccount& account, const fs::path& folder) {
    const std::string noPage = WriteScratchGame(folder / "game");
    const std::string store = "QUELM_REGISTRY=" + noPage + "/registry.reg";
    const auto as = [&](TStartupProgram p) {
        p.Uid = account.Uid;
        p.Gid = account.Gid;
        p.Environment.insert(p.Environment.begin(), account.Environment.begin(),
                             account.Environment.end());
        return p;
    };
    TPrograms programs;
    programs.Windows = {
        as({WithPane, {LAUNCHER_PATH}, {store}, DEMO_FOLDER}),
        as({WithoutPane, {LAUNCHER_PATH}, {store}, noPage}),
        as({"bare SDL2", {SDL_ANCHOR_PATH}, {}, ""}),
    };
    programs.Shots = {
        as({WithPane,
            {LAUNCHER_PATH, "--screenshot", (folder / "shots").string()},
            {store},
            DEMO_FOLDER}),
        as({WithoutPane,
            {LAUNCHER_PATH, "--screenshot", (folder / "shots2").string()},
            {store},
            noPage}),
    };
#ifdef QT_ANCHOR_PATH
    programs.Windows.push_back(as({"Qt 6 Widgets", {QT_ANCHOR_PATH}, {}, ""}));
    programs.Shots.push_back(as({"Qt 6 Widgets",
                                 {QT_ANCHOR_PATH, "--screenshot", (folder / "qt.png").string()},
                                 {"QT_QPA_PLATFORM=offscreen"},
                                 ""}));
#endif
    if (account.Uid >= 0) {
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder))
            (void)!chown(e.path().c_str(), account.Uid, account.Gid);
        (void)!chown(folder.c_str(), account.Uid, account.Gid);
    }
    return programs;
}

std::vector<TAccount> Accounts(const fs::path& scratch) {
    std::vector<TAccount> accounts = {{}};
    if (geteuid() != 0) return accounts;
    const passwd* player = getpwnam("nobody");
    if (!player) return accounts;
    const std::string home = (scratch / "player" / "home").string();
    fs::create_directories(home);
    accounts.push_back({" (player)",
                        static_cast<int>(player->pw_uid),
                        static_cast<int>(player->pw_gid),
                        {"HOME=" + home, "XDG_CACHE_HOME=" + home + "/.cache"}});
    return accounts;
}

void Measure(const TPrograms& programs, const std::string& display, TResults* series) {
    for (const TStartupProgram& p : programs.Windows) {
        const TStartupSample s = MeasureFirstFrame(p, display);
        if (!s.Ok || !series) continue;
        (*series)[p.Name].Frame.push_back(s.FirstFrameMs);
        (*series)[p.Name].Rss.push_back(s.PeakRssMiB);
    }
    for (const TStartupProgram& p : programs.Shots)
        if (const double ms = MeasureRun(p); ms >= 0 && series)
            (*series)[p.Name].Shot.push_back(ms);
}

} // namespace

int main() {
    const fs::path scratch =
        fs::temp_directory_path() / ("bench-startup-" + std::to_string(getpid()));
    const std::vector<TAccount> accounts = Accounts(scratch);
    std::vector<TPrograms> programs;
    for (const TAccount& a : accounts)
        programs.push_back(ProgramsFor(a, scratch / (a.Uid < 0 ? "own" : "player")));
    TXvfb server;
    if (server.Display.empty()) {
        std::fprintf(stderr, "bench_startup: cannot start Xvfb\n");
        return 1;
    }
    // One round unmeasured, so that every cache a program keeps between its
    // starts (fonts, compose table) exists, as on any start but a player's first.
    for (const TPrograms& p : programs)
        Measure(p, server.Display, nullptr);
    std::vector<TResults> results(accounts.size());
    const int rounds = Rounds();
    for (int r = 0; r < rounds; ++r)
        for (size_t a = 0; a < accounts.size(); ++a)
            Measure(programs[a], server.Display, &results[a]);
    fs::remove_all(scratch);

    for (size_t i = 0; i < accounts.size(); ++i) {
        const TAccount& a = accounts[i];
        std::printf("Start-up%s, median of %d interleaved rounds (Xvfb, no window manager)%s\n",
                    a.Label.c_str(), rounds,
                    a.Uid < 0 && geteuid() == 0 ? ", as the superuser" : "");
        std::printf("%-18s %16s %14s %22s\n", "program", "first frame ms", "peak RSS MiB",
                    "headless screenshot ms");
        for (auto& [name, s] : results[i])
            std::printf("%-18s %16.1f %14.1f %22.1f\n", name.c_str(), Median(s.Frame),
                        Median(s.Rss), Median(s.Shot));
        for (const char* launcher : {WithPane, WithoutPane})
            PrintRatios(launcher, results[i]);
        std::printf("\n");
    }
#ifndef QT_ANCHOR_PATH
    std::printf("(Qt 6 development files not found: no Qt anchor built)\n");
#endif
    return 0;
}

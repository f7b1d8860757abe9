#include "bench/startup/StartupRun.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int GiveUpMs = 10000;
constexpr int PollMs = 1;
// Time left after the first frame for whatever a program does next (its
// peak memory is usually reached once the window shows).
constexpr int SettleUs = 150000;
constexpr double KiBPerMiB = 1024.0;

double MsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

pid_t Spawn(const TStartupProgram& p, const std::string& display) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (!p.Folder.empty() && chdir(p.Folder.c_str()) != 0) _exit(127);
    // What the programs print would mix with the report.
    const int quiet = open("/dev/null", O_WRONLY);
    if (quiet >= 0) {
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
    }
    if (p.Gid >= 0 && (setgroups(0, nullptr) != 0 || setgid(p.Gid) != 0)) _exit(126);
    if (p.Uid >= 0 && setuid(p.Uid) != 0) _exit(126);
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    for (const std::string& e : p.Environment)
        putenv(const_cast<char*>(e.c_str()));
    std::vector<char*> argv;
    for (const std::string& a : p.Command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// A window is showing its first frame once its middle pixel is not the
// black of the root window under it.
bool ShowsFrame(Display* dpy, Window w) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, w, &a) || a.map_state != IsViewable) return false;
    XImage* image = XGetImage(dpy, w, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) != 0;
}

// Milliseconds from start until a top-level window of the program shows its
// first frame, or a negative number on timeout. A program may map and drop
// windows before its main one, so the latest mapped window is the one watched.
double WaitForFrame(Display* dpy, TClock::time_point start) {
    Window watched = 0;
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    while (MsSince(start) < GiveUpMs) {
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect) watched = e.xmap.window;
            if (e.type == DestroyNotify && e.xdestroywindow.window == watched) watched = 0;
        }
        if (watched && ShowsFrame(dpy, watched)) return MsSince(start);
        if (!watched) poll(&fd, 1, PollMs);
    }
    return -1;
}

double PeakRss(pid_t pid) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss / KiBPerMiB;
}

} // namespace

TStartupSample MeasureFirstFrame(const TStartupProgram& program, const std::string& display) {
    TStartupSample s;
    Display* dpy = XOpenDisplay(display.c_str());
    if (!dpy) return s;
    XSetErrorHandler(IgnoreXError);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);
    const TClock::time_point start = TClock::now();
    const pid_t pid = Spawn(program, display);
    const double ms = WaitForFrame(dpy, start);
    s.FirstFrameMs = ms;
    s.Ok = ms >= 0;
    usleep(SettleUs);
    kill(pid, SIGTERM);
    s.PeakRssMiB = PeakRss(pid);
    XCloseDisplay(dpy);
    return s;
}

double MeasureRun(const TStartupProgram& program) {
    const TClock::time_point start = TClock::now();
    const pid_t pid = Spawn(program, "");
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = MsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

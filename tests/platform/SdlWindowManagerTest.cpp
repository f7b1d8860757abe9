// Real windows under a real window manager: a scratch X server (Xvfb) of the
// test's own with openbox on it, so that nothing else on the display is
// disturbed. Skipped where either program is not installed.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/TSdlHost.h"

namespace {

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    for (size_t start = 0; start <= dirs.size();) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        if (access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Starts a program with its output thrown away; extraFd stays open in it.
pid_t Spawn(const std::vector<std::string>& argv, int extraFd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd)
        if (fd != extraFd) close(fd);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

bool WindowManagerRuns(Display* display) {
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, AnyPropertyType,
                       &type, &format, &count, &after, &data);
    if (data) XFree(data);
    return count == 1;
}

// Whether the window manager has come far enough to map a new window: SDL
// waits for that without end when it shows one. A window mapped while the
// manager still starts may be left unmapped, so a fresh one is tried each time.
bool MapsWindows(Display* display) {
    constexpr int Polls = 20;
    constexpr useconds_t PollWait = 25000;
    const Window w =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    XSelectInput(display, w, StructureNotifyMask);
    XMapWindow(display, w);
    XFlush(display);
    bool mapped = false;
    XEvent e;
    for (int i = 0; i < Polls && !mapped; ++i) {
        while (XCheckTypedWindowEvent(display, w, MapNotify, &e))
            mapped = true;
        if (!mapped) usleep(PollWait);
    }
    XDestroyWindow(display, w);
    XSync(display, False);
    return mapped;
}

// WM_STATE's first word: 1 normal, 3 iconic, 0 when the window manager set none.
long WmState(Display* display, Window handle) {
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, handle, wmState, 0, 2, False, wmState, &type, &format, &count,
                       &after, &data);
    const long state = data && count > 0 ? reinterpret_cast<long*>(data)[0] : 0;
    if (data) XFree(data);
    return state;
}

// What a task bar sends to bring a window back (_NET_ACTIVE_WINDOW from a pager).
void ActivateFromTaskBar(Display* display, Window handle) {
    constexpr long FromPager = 2;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = handle;
    e.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = FromPager;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display);
}

constexpr unsigned HangSeconds = 120;
constexpr long NormalState = 1;
constexpr long IconicState = 3;

struct SdlWindowManager : ::testing::Test {
    pid_t server = 0, manager = 0;
    std::string oldDisplay;
    std::unique_ptr<TSdlHost> host;

    void SetUp() override {
        if (!OnPath("Xvfb") || !OnPath("openbox")) GTEST_SKIP() << "needs Xvfb and openbox";
        if (const char* d = std::getenv("DISPLAY")) oldDisplay = d;
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "800x600x24",
                        "-nolisten", "tcp"},
                       fds[1]);
        close(fds[1]);
        std::string number;
        char c = 0;
        while (read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        const std::string display = ":" + number;
        setenv("DISPLAY", display.c_str(), 1);
        manager = Spawn({"openbox"});
        Display* probe = XOpenDisplay(display.c_str());
        ASSERT_NE(probe, nullptr);
        for (int i = 0; i < 100 && !WindowManagerRuns(probe); ++i)
            usleep(50000);
        const bool runs = WindowManagerRuns(probe);
        bool maps = false;
        for (int i = 0; runs && !maps && i < 10; ++i)
            maps = MapsWindows(probe);
        XCloseDisplay(probe);
        ASSERT_TRUE(runs && maps) << "openbox did not start";
        // Should the window manager still never map our window, the test ends
        // here instead of waiting with SDL for ever.
        alarm(HangSeconds);
        host = std::make_unique<TSdlHost>();
    }

    void TearDown() override {
        alarm(0);
        host.reset();
        for (pid_t pid : {manager, server})
            if (pid > 0) kill(pid, SIGTERM), waitpid(pid, nullptr, 0);
        if (!oldDisplay.empty()) setenv("DISPLAY", oldDisplay.c_str(), 1);
    }

    std::vector<TEvent> Collect(uint64_t ms) {
        std::vector<TEvent> out;
        const uint64_t deadline = host->Now() + ms;
        TEvent e;
        while (host->WaitEvent(e, deadline))
            out.push_back(e);
        return out;
    }
};

int Count(const std::vector<TEvent>& events, TEventKind kind) {
    int n = 0;
    for (const TEvent& e : events)
        n += e.Kind == kind ? 1 : 0;
    return n;
}

} // namespace

// The window manager keeps the release that ends a move; the click after it
// must still arrive whole, and the title button's minimise must work and be undone.
TEST_F(SdlWindowManager, AClickAfterACaptionDragArrivesAndMinimiseIsUndone) {
    TWindowParams params;
    params.Bounds = Bounds(100, 100, 200, 150);
    params.Title = "test";
    auto w = std::make_unique<TSdlWindow>(host.get(), params);
    w->Show();
    w->Activate();
    Collect(400);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_TRUE(SDL_GetWindowWMInfo(w->Native(), &info));
    Display* display = info.info.x11.display;
    const Window handle = info.info.x11.window;
    const TRect before = w->Bounds();
    const TPoint grip{before.Left + 50, before.Top + 10};

    XTestFakeMotionEvent(display, -1, grip.X, grip.Y, CurrentTime);
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XFlush(display);
    ASSERT_EQ(Count(Collect(200), TEventKind::ekMouseDown), 1);
    ASSERT_TRUE(w->BeginMoveDrag(grip));
    Collect(200);
    for (int step = 1; step <= 4; ++step) {
        XTestFakeMotionEvent(display, -1, grip.X + 10 * step, grip.Y + 5 * step, CurrentTime);
        XFlush(display);
        Collect(50);
    }
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XFlush(display);
    Collect(300);
    EXPECT_EQ(w->Bounds(), before.Offset(40, 20));

    const TPoint inside{w->Bounds().Left + 20, w->Bounds().Top + 20};
    XTestFakeMotionEvent(display, -1, inside.X, inside.Y, CurrentTime);
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XFlush(display);
    const auto click = Collect(300);
    EXPECT_EQ(Count(click, TEventKind::ekMouseDown), 1);
    EXPECT_EQ(Count(click, TEventKind::ekMouseUp), 1);

    w->Minimize();
    Collect(300);
    EXPECT_EQ(WmState(display, handle), IconicState);
    ActivateFromTaskBar(display, handle);
    Collect(300);
    EXPECT_EQ(WmState(display, handle), NormalState);
}

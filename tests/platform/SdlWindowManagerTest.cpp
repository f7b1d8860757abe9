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

#include "ScratchXServer.h"
#include "platform/sdl/TSdlHost.h"

namespace {

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
    pid_t manager = 0;
    std::unique_ptr<TScratchXServer> server;
    std::unique_ptr<TSdlHost> host;

    void SetUp() override {
        if (!OnPath("Xvfb") || !OnPath("openbox")) GTEST_SKIP() << "needs Xvfb and openbox";
        server = std::make_unique<TScratchXServer>();
        ASSERT_FALSE(server->Name().empty()) << "Xvfb did not start";
        const std::string display = server->Name();
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
        if (manager > 0) kill(manager, SIGTERM), waitpid(manager, nullptr, 0);
        server.reset();
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

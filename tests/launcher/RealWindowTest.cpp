// The real program in a real window on a scratch X server: its display opens
// on a thread of its own while the windows are built and painted, and the
// main window still comes up where the screen's size puts it, painted; a
// display that cannot be opened is reported and ends the program.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <thread>

#include "RunProgram.h"
#include "TempFolder.h"
#include "platform/ScratchXServer.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// Xlib's name for int would hide the run's exit status.
#undef Status

namespace {

struct TFoundWindow {
    bool Found = false;
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// A normal window on the screen whose middle is no longer the root's black.
TFoundWindow PaintedTopLevel(Display* d) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    TFoundWindow found;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return found;
    for (unsigned i = 0; i < count && !found.Found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable ||
            a.override_redirect)
            continue;
        XImage* image =
            XGetImage(d, children[i], a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
        if (!image) continue;
        const bool painted = (XGetPixel(image, 0, 0) & 0xFFFFFF) != 0;
        XDestroyImage(image);
        if (painted) found = {true, a.x, a.y, a.width, a.height};
    }
    if (children) XFree(children);
    return found;
}

} // namespace

TEST(RealWindow, TheMainWindowComesUpCentredOnTheScreenAndPainted) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
    TScratchXServer server; // 800 x 600, and DISPLAY names it
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    TTempFolder scratch;
    const std::string game = scratch / "game";
    WriteGame(game);
    setenv("QUELM_REGISTRY", (game + "/registry.reg").c_str(), 1);
    const pid_t pid = Spawn({BuiltLauncher(), "--game-dir", game});
    unsetenv("QUELM_REGISTRY");
    ASSERT_GT(pid, 0);

    Display* d = XOpenDisplay(server.Name().c_str());
    ASSERT_NE(d, nullptr);
    TFoundWindow window;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!window.Found && std::chrono::steady_clock::now() < giveUp) {
        window = PaintedTopLevel(d);
        if (!window.Found) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    XCloseDisplay(d);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    ASSERT_TRUE(window.Found) << "no painted window within 20 s";
    // Centred by the screen's size, which was read before SDL had opened the display.
    EXPECT_EQ(window.X, (800 - window.Width) / 2);
    EXPECT_EQ(window.Y, (600 - window.Height) / 2);
}

TEST(RealWindow, WithoutADisplayTheProgramSaysSoAndEnds) {
    TTempFolder scratch;
    const std::string game = scratch / "game";
    WriteGame(game);
    const TRunResult run = RunProgram({BuiltLauncher()}, game,
                                      {{"QUELM_REGISTRY", game + "/registry.reg"},
                                       {"DISPLAY", ":9999"},
                                       {"SDL_VIDEODRIVER", "x11"}});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.starts_with("launcher: Cannot open a display: ")) << run.Err;
}

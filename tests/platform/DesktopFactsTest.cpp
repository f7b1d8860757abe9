// What the desktop tells before the SDL host is made, read from a real X
// server (Xvfb) the way a desktop's settings daemon, xrdb or a window
// manager leave it on the root window; the screen and its usable part must
// be what the SDL host answers once it is made.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <vector>

#include "ScratchXServer.h"
#include "platform/scaled/DisplayScale.h"
#include "platform/sdl/TSdlHost.h"
#include "platform/sdl/X11Desktop.h"

namespace {

void SetRootProperty(const std::string& display, const char* name, Atom type, int format,
                     const void* data, int count) {
    Display* d = XOpenDisplay(display.c_str());
    ASSERT_NE(d, nullptr);
    XChangeProperty(d, DefaultRootWindow(d), XInternAtom(d, name, False), type, format,
                    PropModeReplace, static_cast<const unsigned char*>(data), count);
    XCloseDisplay(d);
}

void SetResources(const std::string& display, const std::string& text) {
    SetRootProperty(display, "RESOURCE_MANAGER", XA_STRING, 8, text.data(),
                    static_cast<int>(text.size()));
}

void SetWorkArea(const std::string& display, std::vector<long> area) {
    SetRootProperty(display, "_NET_WORKAREA", XA_CARDINAL, 32, area.data(),
                    static_cast<int>(area.size()));
}

int Dpi() {
    return ReadDesktopFacts().Dpi;
}

} // namespace

TEST(DesktopFacts, TheDesktopsXftDpiChoosesTheScale) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
    TScratchXServer server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    EXPECT_EQ(Dpi(), 0); // a bare server names none

    SetResources(server.Name(), "Xcursor.size:\t48\nXft.dpi:\t192\nXft.hinting:\t1\n");
    EXPECT_EQ(Dpi(), 192);
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, Dpi).Scale, 2);
    EXPECT_EQ(ChooseDisplayScale(0, "1", Dpi).Scale, 1);

    SetResources(server.Name(), "Xft.dpi:\t96\n");
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, Dpi).Scale, 1);
}

TEST(DesktopFacts, NoXServerMeansNothingKnown) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    setenv("DISPLAY", ":9999", 1);
    const TDesktopFacts facts = ReadDesktopFacts();
    EXPECT_FALSE(facts.Known);
    EXPECT_EQ(facts.Dpi, 0);
    if (old)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

// Read before the host is made, the screen and the work area are what the
// host says afterwards: the launcher centres its window by them meanwhile.
TEST(DesktopFacts, ScreenAndWorkAreaAreTheSdlHostsOwn) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
    TScratchXServer server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    const auto expectSame = [](const TRect& screen, const TRect& workArea) {
        const TDesktopFacts facts = ReadDesktopFacts();
        ASSERT_TRUE(facts.Known);
        EXPECT_EQ(facts.Screen, screen);
        EXPECT_EQ(facts.WorkArea, workArea);
        TSdlHost host;
        EXPECT_EQ(host.ScreenSize(), (TSize{facts.Screen.Width(), facts.Screen.Height()}));
        EXPECT_EQ(host.WorkArea(), facts.WorkArea);
    };
    const TRect screen{0, 0, 800, 600};
    expectSame(screen, screen); // no window manager: the whole screen

    SetWorkArea(server.Name(), {0, 24, 800, 550}); // a panel along the top
    expectSame(screen, TRect{0, 24, 800, 574});

    SetWorkArea(server.Name(), {-50, -50, 2000, 2000}); // more than the screen: cut to it
    expectSame(screen, screen);

    SetWorkArea(server.Name(), {0, 0, 10}); // too short to mean anything
    expectSame(screen, screen);
}

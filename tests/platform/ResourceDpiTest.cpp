// The desktop's chosen density, read from a real X server's resources the way
// a desktop's settings daemon or xrdb leaves them on the root window.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "ScratchXServer.h"
#include "platform/scaled/DisplayScale.h"
#include "platform/sdl/X11Window.h"

namespace {

void SetResources(const std::string& display, const std::string& text) {
    Display* d = XOpenDisplay(display.c_str());
    ASSERT_NE(d, nullptr);
    XChangeProperty(d, DefaultRootWindow(d), XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.data()),
                    static_cast<int>(text.size()));
    XCloseDisplay(d);
}

} // namespace

TEST(ResourceDpi, TheDesktopsXftDpiChoosesTheScale) {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "needs Xvfb";
    TScratchXServer server;
    ASSERT_FALSE(server.Name().empty()) << "Xvfb did not start";
    EXPECT_EQ(X11ResourceDpi(), 0); // a bare server names none

    SetResources(server.Name(), "Xcursor.size:\t48\nXft.dpi:\t192\nXft.hinting:\t1\n");
    EXPECT_EQ(X11ResourceDpi(), 192);
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, X11ResourceDpi).Scale, 2);
    EXPECT_EQ(ChooseDisplayScale(0, "1", X11ResourceDpi).Scale, 1);

    SetResources(server.Name(), "Xft.dpi:\t96\n");
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, X11ResourceDpi).Scale, 1);
}

TEST(ResourceDpi, NoXServerMeansNoDpi) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    setenv("DISPLAY", ":9999", 1);
    EXPECT_EQ(X11ResourceDpi(), 0);
    if (old)
        setenv("DISPLAY", saved.c_str(), 1);
    else
        unsetenv("DISPLAY");
}

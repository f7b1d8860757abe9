#include "platform/sdl/X11Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/scaled/DisplayScale.h"

namespace {

// RandR's replies are each freed by a function of their own.
template <typename T, auto Free> struct TXFree {
    void operator()(T* p) const {
        if (p) Free(p);
    }
};
using TResources =
    std::unique_ptr<XRRScreenResources, TXFree<XRRScreenResources, XRRFreeScreenResources>>;
using TOutput = std::unique_ptr<XRROutputInfo, TXFree<XRROutputInfo, XRRFreeOutputInfo>>;
using TCrtc = std::unique_ptr<XRRCrtcInfo, TXFree<XRRCrtcInfo, XRRFreeCrtcInfo>>;

// SDL reads the monitors through RandR only from version 1.3 on, and not
// when its hint turns RandR off.
bool UsesRandr(Display* display) {
    const char* hint = std::getenv("SDL_VIDEO_X11_XRANDR");
    if (hint && std::strcmp(hint, "0") == 0) return false;
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &event, &error)) return false;
    if (!XRRQueryVersion(display, &major, &minor)) return false;
    return major > 1 || (major == 1 && minor >= 3);
}

// The bounds of a lit monitor at its current mode, turned with it.
bool MonitorBounds(Display* display, XRRScreenResources* res, RROutput id, TRect& bounds) {
    const TOutput output(XRRGetOutputInfo(display, res, id));
    if (!output || !output->crtc || output->connection == RR_Disconnected) return false;
    const TCrtc crtc(XRRGetCrtcInfo(display, res, output->crtc));
    if (!crtc) return false;
    for (int i = 0; i < res->nmode; ++i) {
        const XRRModeInfo& mode = res->modes[i];
        if (mode.id != crtc->mode) continue;
        const bool turned = (crtc->rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
        const int width = static_cast<int>(turned ? mode.height : mode.width);
        const int height = static_cast<int>(turned ? mode.width : mode.height);
        bounds = Bounds(crtc->x, crtc->y, width, height);
        return true;
    }
    return false;
}

// The primary monitor, else the first lit one, on the default screen; false
// when RandR names none.
bool FirstMonitor(Display* display, TRect& bounds) {
    const Window root = DefaultRootWindow(display);
    TResources res(XRRGetScreenResourcesCurrent(display, root));
    if (!res || res->noutput == 0) res.reset(XRRGetScreenResources(display, root));
    if (!res) return false;
    const RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary && MonitorBounds(display, res.get(), primary, bounds)) return true;
    for (int i = 0; i < res->noutput; ++i)
        if (res->outputs[i] != primary &&
            MonitorBounds(display, res.get(), res->outputs[i], bounds))
            return true;
    return false;
}

// The first four numbers of _NET_WORKAREA (the first desktop's), if set.
bool WorkAreaProperty(Display* display, TRect& area) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    const Atom name = XInternAtom(display, "_NET_WORKAREA", False);
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), name, 0, 4, False,
                                          XA_CARDINAL, &type, &format, &count, &left, &data);
    const bool found = status == Success && data && format == 32 && count >= 4;
    if (found) {
        // Xlib hands 32-bit items over as longs.
        const long* v = reinterpret_cast<const long*>(data);
        area = Bounds(static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                      static_cast<int>(v[3]));
    }
    if (data) XFree(data);
    return found;
}

} // namespace

TDesktopFacts ReadDesktopFacts() {
    TDesktopFacts facts;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return facts;
    facts.Known = true;
    facts.Dpi = ParseResourceDpi(XResourceManagerString(display));
    if (!UsesRandr(display) || !FirstMonitor(display, facts.Screen)) {
        const int screen = DefaultScreen(display);
        facts.Screen = Bounds(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
    }
    facts.WorkArea = facts.Screen;
    TRect area;
    if (WorkAreaProperty(display, area)) facts.WorkArea = facts.Screen.Intersect(area);
    XCloseDisplay(display);
    return facts;
}

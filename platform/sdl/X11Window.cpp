#include "platform/sdl/X11Window.h"

#include "platform/sdl/SdlLibrary.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool NativeHandle(SDL_Window* window, Display*& display, Window& handle) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !Sdl().GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    display = info.info.x11.display;
    handle = info.info.x11.window;
    return display != nullptr;
}

bool HasShapeExtension(Display* display) {
    int eventBase = 0, errorBase = 0;
    return XShapeQueryExtension(display, &eventBase, &errorBase) != 0;
}

} // namespace

bool X11SetWindowShape(SDL_Window* window, const TRegion* shape) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle) || !HasShapeExtension(display)) return false;
    if (!shape) {
        XShapeCombineMask(display, handle, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> rects;
        for (const TRect& r : shape->Rects()) {
            // X rectangles are 16-bit; a window never reaches that size.
            rects.push_back(XRectangle{static_cast<short>(r.Left), static_cast<short>(r.Top),
                                       static_cast<unsigned short>(r.Width()),
                                       static_cast<unsigned short>(r.Height())});
        }
        // The region's rectangles come in bands from top to bottom, left to right.
        XShapeCombineRectangles(display, handle, ShapeBounding, 0, 0, rects.data(),
                                static_cast<int>(rects.size()), ShapeSet, YXBanded);
    }
    XFlush(display);
    return true;
}

bool X11SetInputTransparent(SDL_Window* window) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle) || !HasShapeExtension(display)) return false;
    XShapeCombineRectangles(display, handle, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    XFlush(display);
    return true;
}

namespace {

// Under XWayland the root window holds none of what the compositor shows.
bool RootHoldsTheScreen(Display* display) {
    int opcode = 0, eventBase = 0, errorBase = 0;
    return !XQueryExtension(display, "XWAYLAND", &opcode, &eventBase, &errorBase);
}

// The value of one colour channel of an image pixel, scaled to 8 bits.
uint8_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255 / top);
}

void CopyImage(XImage* image, int dx, int dy, TPixels& picture) {
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const uint32_t rgb = Channel(p, image->red_mask) |
                                 (Channel(p, image->green_mask) << 8) |
                                 (Channel(p, image->blue_mask) << 16);
            picture.SetPixel(dx + x, dy + y, rgb);
        }
}

} // namespace

bool X11ReadRoot(SDL_Window* window, const TRect& area, TPixels& picture) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle) || !RootHoldsTheScreen(display)) return false;
    const int screen = DefaultScreen(display);
    const TRect shown =
        area.Intersect(TRect{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});
    TPixels read(std::max(area.Width(), 0), std::max(area.Height(), 0));
    read.Fill(0);
    if (!shown.IsEmpty()) {
        XImage* image = XGetImage(display, DefaultRootWindow(display), shown.Left, shown.Top,
                                  static_cast<unsigned>(shown.Width()),
                                  static_cast<unsigned>(shown.Height()), AllPlanes, ZPixmap);
        if (!image) return false;
        CopyImage(image, shown.Left - area.Left, shown.Top - area.Top, read);
        XDestroyImage(image);
    }
    picture = std::move(read);
    return true;
}

bool X11RaiseWindow(SDL_Window* window) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle)) return false;
    XRaiseWindow(display, handle);
    XFlush(display);
    return true;
}

bool X11MapWindow(SDL_Window* window, bool map) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle)) return false;
    if (map)
        XMapRaised(display, handle);
    else
        XUnmapWindow(display, handle);
    XFlush(display);
    return true;
}

namespace {

constexpr long MoveResizeMove = 8; // _NET_WM_MOVERESIZE_MOVE
constexpr long SourceNormal = 1;   // the request comes from an ordinary program
constexpr int LeftButton = 1;

} // namespace

bool X11WindowManagerRuns(SDL_Window* window) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(window, display, handle)) return false;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          AnyPropertyType, &type, &format, &count, &after, &data);
    const bool runs = status == Success && data && count == 1 && format == 32;
    if (data) XFree(data);
    return runs;
}

namespace {

// Whether the left button is down now, as the server sees it.
bool LeftButtonDown(Display* display, Window handle, XButtonEvent& at) {
    Window root = 0, child = 0;
    unsigned mask = 0;
    if (!XQueryPointer(display, handle, &root, &child, &at.x_root, &at.y_root, &at.x, &at.y, &mask))
        return false;
    at.root = root;
    return (mask & Button1Mask) != 0;
}

// A release of the left button sent to our own window, which SDL reads as if
// the server had sent it.
void SendOwnRelease(Display* display, Window handle, XButtonEvent at) {
    XEvent e{};
    e.xbutton = at;
    e.xbutton.type = ButtonRelease;
    e.xbutton.window = handle;
    e.xbutton.subwindow = None;
    e.xbutton.time = CurrentTime;
    e.xbutton.state = Button1Mask;
    e.xbutton.button = Button1;
    e.xbutton.same_screen = True;
    XSendEvent(display, handle, False, NoEventMask, &e);
}

} // namespace

bool X11BeginMoveDrag(SDL_Window* window, int screenX, int screenY) {
    Display* display = nullptr;
    Window handle = 0;
    if (!X11WindowManagerRuns(window) || !NativeHandle(window, display, handle)) return false;
    XButtonEvent at{};
    if (!LeftButtonDown(display, handle, at)) return true;
    // The window manager takes the pointer; ours must let it go first.
    XUngrabPointer(display, CurrentTime);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = handle;
    e.xclient.message_type = XInternAtom(display, "_NET_WM_MOVERESIZE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = screenX;
    e.xclient.data.l[1] = screenY;
    e.xclient.data.l[2] = MoveResizeMove;
    e.xclient.data.l[3] = LeftButton;
    e.xclient.data.l[4] = SourceNormal;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    SendOwnRelease(display, handle, at);
    XFlush(display);
    return true;
}

unsigned long X11ShowPressCatcher(SDL_Window* popup) {
    Display* display = nullptr;
    Window handle = 0;
    if (!NativeHandle(popup, display, handle)) return 0;
    const int screen = DefaultScreen(display);
    XSetWindowAttributes a{};
    a.override_redirect = True;
    a.event_mask = ButtonPressMask | ButtonReleaseMask;
    const Window catcher =
        XCreateWindow(display, DefaultRootWindow(display), 0, 0, DisplayWidth(display, screen),
                      DisplayHeight(display, screen), 0, CopyFromParent, InputOnly, CopyFromParent,
                      CWOverrideRedirect | CWEventMask, &a);
    XWindowChanges below{};
    below.sibling = handle;
    below.stack_mode = Below;
    XConfigureWindow(display, catcher, CWSibling | CWStackMode, &below);
    XMapWindow(display, catcher);
    XFlush(display);
    Sdl().EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    return catcher;
}

void X11HidePressCatcher(SDL_Window* popup, unsigned long catcher) {
    Display* display = nullptr;
    Window handle = 0;
    if (!catcher || !NativeHandle(popup, display, handle)) return;
    Sdl().EventState(SDL_SYSWMEVENT, SDL_DISABLE);
    XDestroyWindow(display, catcher);
    XFlush(display);
}

bool X11CaughtPress(const SDL_Event& event, unsigned long catcher, TCaughtPress& press) {
    if (event.type != SDL_SYSWMEVENT || !catcher || !event.syswm.msg ||
        event.syswm.msg->subsystem != SDL_SYSWM_X11)
        return false;
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if ((x.type != ButtonPress && x.type != ButtonRelease) || x.xbutton.window != catcher)
        return false;
    press.Down = x.type == ButtonPress;
    // X numbers the buttons left, middle, right as SDL does.
    press.Button = static_cast<int>(x.xbutton.button);
    press.ScreenX = x.xbutton.x_root;
    press.ScreenY = x.xbutton.y_root;
    return true;
}

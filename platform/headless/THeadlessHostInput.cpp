// Input injection of THeadlessHost.
#include <stdexcept>
#include <string>

#include "platform/headless/THeadlessHost.h"

THeadlessWindow* THeadlessHost::Target(IHostWindow* window, const char* what) const {
    THeadlessWindow* w = Find(window);
    if (!w) throw std::logic_error(std::string(what) + ": the window is not one of this host's");
    if (!w->Visible())
        throw std::logic_error(std::string(what) + ": the window \"" + w->Title() + "\" is hidden");
    return w;
}

THeadlessWindow* THeadlessHost::KeyTarget(IHostWindow* window, const char* what) const {
    if (window) return Target(window, what);
    if (!FActive) throw std::logic_error(std::string(what) + ": no window is active");
    return Target(FActive, what);
}

void THeadlessHost::Queue(TEventKind kind, THeadlessWindow* w) {
    TEvent e;
    e.Kind = kind;
    e.Window = w;
    FEvents.push_back(std::move(e));
}

void THeadlessHost::QueueMouse(TEventKind kind, THeadlessWindow* w, int x, int y, int button,
                               unsigned modifiers, int clicks, int wheel) {
    const TRect b = w->Bounds();
    TEvent e;
    e.Kind = kind;
    e.Window = w;
    e.X = x;
    e.Y = y;
    e.ScreenX = b.Left + x;
    e.ScreenY = b.Top + y;
    e.Button = button;
    e.Clicks = clicks;
    e.WheelDelta = wheel;
    e.Modifiers = modifiers;
    FCursorPos = TPoint{e.ScreenX, e.ScreenY};
    FEvents.push_back(std::move(e));
}

// ---- mouse in client coordinates ----

void THeadlessHost::InjectMouseMove(IHostWindow* w, int x, int y, unsigned modifiers) {
    QueueMouse(TEventKind::ekMouseMove, Target(w, "Mouse move"), x, y, 0, modifiers);
}

void THeadlessHost::InjectMouseDown(IHostWindow* w, int x, int y, int button, unsigned modifiers,
                                    int clicks) {
    QueueMouse(TEventKind::ekMouseDown, Target(w, "Mouse down"), x, y, button, modifiers, clicks);
}

void THeadlessHost::InjectMouseUp(IHostWindow* w, int x, int y, int button, unsigned modifiers) {
    QueueMouse(TEventKind::ekMouseUp, Target(w, "Mouse up"), x, y, button, modifiers);
}

void THeadlessHost::InjectClick(IHostWindow* w, int x, int y, int button, unsigned modifiers) {
    InjectMouseDown(w, x, y, button, modifiers);
    InjectMouseUp(w, x, y, button, modifiers);
}

void THeadlessHost::InjectDoubleClick(IHostWindow* w, int x, int y, int button,
                                      unsigned modifiers) {
    InjectClick(w, x, y, button, modifiers);
    InjectMouseDown(w, x, y, button, modifiers, 2);
    QueueMouse(TEventKind::ekMouseUp, Target(w, "Mouse up"), x, y, button, modifiers, 2);
}

void THeadlessHost::InjectWheel(IHostWindow* w, int x, int y, int notches, unsigned modifiers) {
    QueueMouse(TEventKind::ekMouseWheel, Target(w, "Mouse wheel"), x, y, 0, modifiers, 1, notches);
}

void THeadlessHost::InjectMouseEnter(IHostWindow* w, int x, int y) {
    THeadlessWindow* t = Target(w, "Mouse enter");
    FHover = t;
    QueueMouse(TEventKind::ekMouseEnter, t, x, y, 0, 0);
}

void THeadlessHost::InjectMouseLeave(IHostWindow* w) {
    THeadlessWindow* t = Target(w, "Mouse leave");
    if (FHover == t) FHover = nullptr;
    Queue(TEventKind::ekMouseLeave, t);
}

// ---- mouse in screen coordinates ----

void THeadlessHost::TrackHover(TPoint screen) {
    THeadlessWindow* under = WindowAt(screen);
    if (under == FHover) return;
    if (FHover) Queue(TEventKind::ekMouseLeave, FHover);
    FHover = under;
    if (under) {
        const TRect b = under->Bounds();
        QueueMouse(TEventKind::ekMouseEnter, under, screen.X - b.Left, screen.Y - b.Top, 0, 0);
    }
}

THeadlessWindow* THeadlessHost::MouseTargetAt(TPoint screen) {
    TrackHover(screen);
    FCursorPos = screen;
    return FCapture ? FCapture : FHover;
}

void THeadlessHost::InjectMouseMoveAt(TPoint screen, unsigned modifiers) {
    if (THeadlessWindow* w = MouseTargetAt(screen)) {
        const TRect b = w->Bounds();
        QueueMouse(TEventKind::ekMouseMove, w, screen.X - b.Left, screen.Y - b.Top, 0, modifiers);
    }
}

void THeadlessHost::InjectMouseDownAt(TPoint screen, int button, unsigned modifiers, int clicks) {
    if (THeadlessWindow* w = MouseTargetAt(screen)) {
        const TRect b = w->Bounds();
        QueueMouse(TEventKind::ekMouseDown, w, screen.X - b.Left, screen.Y - b.Top, button,
                   modifiers, clicks);
    }
}

void THeadlessHost::InjectMouseUpAt(TPoint screen, int button, unsigned modifiers) {
    if (THeadlessWindow* w = MouseTargetAt(screen)) {
        const TRect b = w->Bounds();
        QueueMouse(TEventKind::ekMouseUp, w, screen.X - b.Left, screen.Y - b.Top, button,
                   modifiers);
    }
}

// ---- keyboard and window events ----

void THeadlessHost::InjectKeyDown(IHostWindow* w, int key, unsigned modifiers, bool repeat) {
    THeadlessWindow* t = KeyTarget(w, "Key down");
    Queue(TEventKind::ekKeyDown, t);
    FEvents.back().Key = key;
    FEvents.back().Modifiers = modifiers;
    FEvents.back().Repeat = repeat;
}

void THeadlessHost::InjectKeyUp(IHostWindow* w, int key, unsigned modifiers) {
    THeadlessWindow* t = KeyTarget(w, "Key up");
    Queue(TEventKind::ekKeyUp, t);
    FEvents.back().Key = key;
    FEvents.back().Modifiers = modifiers;
}

void THeadlessHost::InjectKey(IHostWindow* w, int key, unsigned modifiers) {
    InjectKeyDown(w, key, modifiers);
    InjectKeyUp(w, key, modifiers);
}

void THeadlessHost::InjectText(IHostWindow* w, const std::string& utf8) {
    THeadlessWindow* t = KeyTarget(w, "Text input");
    Queue(TEventKind::ekTextInput, t);
    FEvents.back().Text = utf8;
}

void THeadlessHost::InjectFocus(IHostWindow* w) {
    WindowActivated(Target(w, "Focus"));
}

void THeadlessHost::InjectCloseRequest(IHostWindow* w) {
    Queue(TEventKind::ekCloseRequest, Target(w, "Close request"));
}

void THeadlessHost::InjectExpose(IHostWindow* w) {
    Queue(TEventKind::ekExpose, Target(w, "Expose"));
}

void THeadlessHost::InjectMoved(IHostWindow* w, TPoint topLeft) {
    THeadlessWindow* t = Target(w, "Move");
    const TRect b = t->Bounds();
    t->SetBounds(b.Offset(topLeft.X - b.Left, topLeft.Y - b.Top));
    Queue(TEventKind::ekMoved, t);
    FEvents.back().X = topLeft.X;
    FEvents.back().Y = topLeft.Y;
}

void THeadlessHost::InjectResized(IHostWindow* w, TSize size) {
    THeadlessWindow* t = Target(w, "Resize");
    const TRect b = t->Bounds();
    t->SetBounds(TRect{b.Left, b.Top, b.Left + size.cx, b.Top + size.cy});
    Queue(TEventKind::ekResized, t);
    FEvents.back().X = size.cx;
    FEvents.back().Y = size.cy;
}

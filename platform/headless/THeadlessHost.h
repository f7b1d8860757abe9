#pragma once
// The headless host: the same interface as the real one, for tests and
// screenshots. Windows are bitmaps (THeadlessWindow), input is injected by the
// test, the clock is virtual and moves only when told to or when the program
// waits for a deadline with nothing queued.
//
// Injection methods address a window in client coordinates; the event's screen
// position comes from the window's bounds. The ...At methods take a screen
// position instead and route like a window system: to the window holding the
// mouse capture, else the top visible window under the point (shapes count),
// with enter and leave events as the pointer crosses windows. Key and text
// methods given a null window go to the active window. Input to a hidden or
// foreign window throws std::logic_error so a test never injects into nothing.
//
// Window state follows one simple rule set: Show raises but does not activate;
// Activate raises, makes the window active (also a hidden one) and queues
// focus-out for the old and focus-in for the new; hiding the active window
// queues its focus-out; hiding or destroying a window releases its capture;
// destroying one drops its queued events.

#include <atomic>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/THost.h"
#include "platform/headless/THeadlessWindow.h"

class THeadlessHost final : public IHost {
public:
    // Now() of a new host: not zero, so code that treats zero as "never" shows up.
    static constexpr uint64_t kStartTime = 1'000'000;
    static constexpr int kTaskBarHeight = 30;
    static constexpr uint32_t kDesktopColor = 0x808080;

    THeadlessHost();
    ~THeadlessHost() override;
    THeadlessHost(const THeadlessHost&) = delete;
    THeadlessHost& operator=(const THeadlessHost&) = delete;

    std::unique_ptr<IHostWindow> CreateWindow(const TWindowParams& params) override;
    uint64_t Now() const override { return FNow; }
    bool PollEvent(TEvent& e) override;
    // With nothing queued: moves the clock to the deadline and returns false;
    // with UINT64_MAX returns false at once instead of waiting forever.
    bool WaitEvent(TEvent& e, uint64_t deadline) override;
    TSize ScreenSize() const override { return FScreen; }
    TRect WorkArea() const override { return FWorkArea; }
    TPoint CursorPos() const override { return FCursorPos; }
    // The visible windows over the desktop, composed as in Screenshot.
    bool ReadScreen(const TRect& screenRect, TPixels& picture) override;
    std::string ClipboardText() const override { return FClipboard; }
    void SetClipboardText(const std::string& utf8) override { FClipboard = utf8; }
    const char* Name() const override { return "headless"; }
    // A wake keeps the next wait from moving the virtual clock: a post from
    // another thread is something to do.
    void Wake() override { FWoken = true; }

    // Clock.
    void AdvanceClock(uint64_t ms) { FNow += ms; }

    // Screen: the work area is the screen less a task bar at the bottom.
    void SetScreen(TSize size, int taskBarHeight = kTaskBarHeight);
    void SetWorkArea(const TRect& area) { FWorkArea = area; }
    void SetCursorPos(TPoint screen) { FCursorPos = screen; }

    // Windows alive, in creation order.
    const std::vector<THeadlessWindow*>& Windows() const { return FWindows; }
    // Every live window from bottom to top; always-on-top windows above the rest.
    std::vector<THeadlessWindow*> ZOrder() const;
    // The top visible window, or null.
    THeadlessWindow* TopWindow() const;
    // The top visible window whose shape holds the screen point, or null;
    // tooltips let the pointer through and are never found.
    THeadlessWindow* WindowAt(TPoint screen) const;
    // The first live window with this title, in creation order, or null.
    THeadlessWindow* FindWindow(const std::string& title) const;
    // The headless window behind an interface pointer of this host, or null.
    THeadlessWindow* Find(const IHostWindow* window) const;
    THeadlessWindow* ActiveWindow() const { return FActive; }
    THeadlessWindow* CaptureWindow() const { return FCapture; }
    // All visible windows composed in z-order over a plain desktop, or over
    // the desktop picture when one is set.
    TPixels Screenshot(uint32_t desktopColor = kDesktopColor) const;
    // A picture behind every window (tiled from the screen's top left); an
    // empty one gives the plain desktop back.
    void SetDesktopPicture(const TPixels& picture) { FDesktop = picture; }

    // Mouse, client coordinates of the window.
    void InjectMouseMove(IHostWindow* w, int x, int y, unsigned modifiers = 0);
    void InjectMouseDown(IHostWindow* w, int x, int y, int button = mbLeft, unsigned modifiers = 0,
                         int clicks = 1);
    void InjectMouseUp(IHostWindow* w, int x, int y, int button = mbLeft, unsigned modifiers = 0);
    // Down and up.
    void InjectClick(IHostWindow* w, int x, int y, int button = mbLeft, unsigned modifiers = 0);
    // What a real double click delivers: down, up, down with Clicks = 2, up.
    void InjectDoubleClick(IHostWindow* w, int x, int y, int button = mbLeft,
                           unsigned modifiers = 0);
    // Notches, positive away from the user.
    void InjectWheel(IHostWindow* w, int x, int y, int notches, unsigned modifiers = 0);
    void InjectMouseEnter(IHostWindow* w, int x, int y);
    void InjectMouseLeave(IHostWindow* w);

    // Mouse, screen coordinates, routed as described at the top.
    void InjectMouseMoveAt(TPoint screen, unsigned modifiers = 0);
    void InjectMouseDownAt(TPoint screen, int button = mbLeft, unsigned modifiers = 0,
                           int clicks = 1);
    void InjectMouseUpAt(TPoint screen, int button = mbLeft, unsigned modifiers = 0);

    // Keyboard; key is a virtual-key code (platform/VirtualKeys.h).
    void InjectKeyDown(IHostWindow* w, int key, unsigned modifiers = 0, bool repeat = false);
    void InjectKeyUp(IHostWindow* w, int key, unsigned modifiers = 0);
    // Down and up.
    void InjectKey(IHostWindow* w, int key, unsigned modifiers = 0);
    void InjectText(IHostWindow* w, const std::string& utf8);

    // The user brings the window to the front and gives it focus (same as Activate).
    void InjectFocus(IHostWindow* w);
    void InjectCloseRequest(IHostWindow* w);
    void InjectExpose(IHostWindow* w);
    // A window manager moved or resized the window: bounds change, event queued.
    void InjectMoved(IHostWindow* w, TPoint screenTopLeft);
    void InjectResized(IHostWindow* w, TSize clientSize);

    size_t PendingEvents() const { return FEvents.size(); }
    // Drops what is queued (the clock stays).
    void ClearEvents() { FEvents.clear(); }

private:
    friend class THeadlessWindow;
    void WindowDestroyed(THeadlessWindow* w);
    void WindowHidden(THeadlessWindow* w);
    void WindowRaised(THeadlessWindow* w);
    void WindowActivated(THeadlessWindow* w);
    void WindowCapture(THeadlessWindow* w, bool on);

    void Compose(const TRect& area, uint32_t desktopColor, TPixels& out) const;
    THeadlessWindow* Target(IHostWindow* w, const char* what) const;
    THeadlessWindow* KeyTarget(IHostWindow* w, const char* what) const;
    void Queue(TEventKind kind, THeadlessWindow* w);
    void QueueMouse(TEventKind kind, THeadlessWindow* w, int x, int y, int button,
                    unsigned modifiers, int clicks = 1, int wheel = 0);
    void TrackHover(TPoint screen);
    THeadlessWindow* MouseTargetAt(TPoint screen);

    uint64_t FNow = kStartTime;
    TSize FScreen{1024, 768};
    TRect FWorkArea{0, 0, 1024, 768 - kTaskBarHeight};
    TPoint FCursorPos{};
    std::string FClipboard;
    TPixels FDesktop;
    std::deque<TEvent> FEvents;
    std::vector<THeadlessWindow*> FWindows; // creation order
    std::vector<THeadlessWindow*> FZ;       // bottom to top
    THeadlessWindow* FActive = nullptr;
    THeadlessWindow* FCapture = nullptr;
    THeadlessWindow* FHover = nullptr;
    int FSerial = 0;
    std::atomic<bool> FWoken{false};
};

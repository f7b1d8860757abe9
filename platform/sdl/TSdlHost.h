#pragma once
// The real host: SDL2 over X11 (XWayland under Wayland). Events come from
// SDL's queue and are translated when taken; events of windows that no longer
// exist are dropped. Waiting sleeps in SDL_WaitEventTimeout until the next
// event or the deadline, so an idle program uses no CPU.

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>

#include <deque>
#include <unordered_map>

#include "platform/THost.h"
#include "platform/sdl/TSdlWindow.h"

class TSdlHost final : public IHost {
public:
    // Throws std::runtime_error when no display can be opened.
    TSdlHost();
    ~TSdlHost() override;
    TSdlHost(const TSdlHost&) = delete;
    TSdlHost& operator=(const TSdlHost&) = delete;

    std::unique_ptr<IHostWindow> CreateWindow(const TWindowParams& params) override;
    uint64_t Now() const override;
    bool PollEvent(TEvent& e) override;
    bool WaitEvent(TEvent& e, uint64_t deadline) override;
    TSize ScreenSize() const override;
    TRect WorkArea() const override;
    TPoint CursorPos() const override;
    // From the X server's root window, through one of the program's windows.
    bool ReadScreen(const TRect& screenRect, TPixels& picture) override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& utf8) override;
    const char* Name() const override { return "sdl"; }
    // Pushes an event of our own into SDL's queue, which SDL guards for threads.
    void Wake() override;

    // How often a wait returned from SDL; the idle benchmark counts these.
    uint64_t WakeUps() const { return FWakeUps; }
    TSdlWindow* CaptureWindow() const { return FCapture; }

private:
    friend class TSdlWindow;
    void WindowCreated(TSdlWindow* w);
    void WindowDestroyed(TSdlWindow* w);
    void SetCaptureWindow(TSdlWindow* w) { FCapture = w; }
    void ApplyCursor(TCursorShape shape);

    // Turns one SDL event into zero or more of ours, queued in FReady.
    void Translate(const SDL_Event& event);
    void TranslateWindowEvent(const SDL_WindowEvent& event);
    void TranslateCaughtPress(const SDL_Event& event);
    TSdlWindow* FindWindow(Uint32 id) const;
    TEvent MouseEvent(TEventKind kind, TSdlWindow* w, int x, int y) const;

    std::unordered_map<Uint32, TSdlWindow*> FWindows;
    std::deque<TEvent> FReady;
    TSdlWindow* FCapture = nullptr;
    SDL_Cursor* FCursors[9] = {};
    uint64_t FWakeUps = 0;
    Uint32 FWakeEvent = 0; // SDL's number for our wake events
    // SDL's clock, which its waits keep, counts from its start: moved to the
    // origin of SteadyMilliseconds, so that what was timed before the host
    // was made keeps its time, while a wait to a deadline still ends once.
    uint64_t FClockOffset = 0;
    bool FWoken = false; // a wake event was taken while polling
};

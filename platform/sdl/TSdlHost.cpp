#include "platform/sdl/TSdlHost.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/sdl/SdlLibrary.h"
#include "platform/sdl/TNoBusLaunch.h"
#include "platform/sdl/X11Window.h"

namespace {

void SetHints() {
    Sdl().SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Ctrl+C ends the program as any other; closing the last window is the program's business.
    Sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    Sdl().SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A launcher neither turns the desktop's compositor off nor keeps the screen saver away.
    Sdl().SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    Sdl().SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The first click on an inactive window is a click, and mouse capture is
    // the framework's to ask for.
    Sdl().SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    Sdl().SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A double click is two clicks within 500 ms and 2 pixels of each other.
    Sdl().SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_TIME, "500");
    Sdl().SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "2");
}

constexpr SDL_SystemCursor kSystemCursors[9] = {
    SDL_SYSTEM_CURSOR_ARROW,    SDL_SYSTEM_CURSOR_HAND,    SDL_SYSTEM_CURSOR_IBEAM,
    SDL_SYSTEM_CURSOR_SIZEWE,   SDL_SYSTEM_CURSOR_SIZENS,  SDL_SYSTEM_CURSOR_SIZENWSE,
    SDL_SYSTEM_CURSOR_SIZENESW, SDL_SYSTEM_CURSOR_SIZEALL, SDL_SYSTEM_CURSOR_WAIT};

} // namespace

TSdlHost::TSdlHost() {
    SetHints();
    // A no-op when the program set the address before its threads started.
    const TNoBusLaunch noBusLaunch;
    // X11 first (shapes and override-redirect need it; XWayland provides it
    // under Wayland), unless the user chose a driver.
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (!chosen || !*chosen) Sdl().SetHint(SDL_HINT_VIDEODRIVER, "x11");
    if (Sdl().InitSubSystem(SDL_INIT_VIDEO) != 0) {
        const std::string x11Error = Sdl().GetError();
        Sdl().ResetHint(SDL_HINT_VIDEODRIVER);
        if (chosen && *chosen) throw std::runtime_error("Cannot open a display: " + x11Error);
        if (Sdl().InitSubSystem(SDL_INIT_VIDEO) != 0)
            throw std::runtime_error("Cannot open a display: " + x11Error);
    }
    Sdl().StartTextInput();
    FWakeEvent = Sdl().RegisterEvents(1);
    FClockOffset = SteadyMilliseconds() - Sdl().GetTicks64();
}

void TSdlHost::Wake() {
    if (FWakeEvent == static_cast<Uint32>(-1)) return;
    SDL_Event event{};
    event.type = FWakeEvent;
    Sdl().PushEvent(&event);
}

TSdlHost::~TSdlHost() {
    for (auto& [id, w] : FWindows)
        w->DetachHost();
    FWindows.clear();
    for (SDL_Cursor*& c : FCursors)
        if (c) Sdl().FreeCursor(c);
    Sdl().QuitSubSystem(SDL_INIT_VIDEO);
    // The last user of SDL also ends what SDL started beside video (D-Bus).
    if (Sdl().WasInit(SDL_INIT_EVERYTHING) == 0) Sdl().Quit();
}

std::unique_ptr<IHostWindow> TSdlHost::CreateWindow(const TWindowParams& params) {
    return std::make_unique<TSdlWindow>(this, params);
}

void TSdlHost::WindowCreated(TSdlWindow* w) {
    FWindows[w->Id()] = w;
}

void TSdlHost::WindowDestroyed(TSdlWindow* w) {
    FWindows.erase(w->Id());
    std::erase_if(FReady, [w](const TEvent& e) { return e.Window == w; });
    if (FCapture == w) {
        Sdl().CaptureMouse(SDL_FALSE);
        FCapture = nullptr;
    }
}

TSdlWindow* TSdlHost::FindWindow(Uint32 id) const {
    const auto it = FWindows.find(id);
    return it == FWindows.end() ? nullptr : it->second;
}

uint64_t TSdlHost::Now() const {
    return Sdl().GetTicks64() + FClockOffset;
}

bool TSdlHost::PollEvent(TEvent& e) {
    SDL_Event event;
    while (FReady.empty() && Sdl().PollEvent(&event)) {
        // A wake taken here must still end the wait that follows.
        if (event.type == FWakeEvent)
            FWoken = true;
        else
            Translate(event);
    }
    if (FReady.empty()) return false;
    e = std::move(FReady.front());
    FReady.pop_front();
    return true;
}

bool TSdlHost::WaitEvent(TEvent& e, uint64_t deadline) {
    for (;;) {
        if (PollEvent(e)) return true;
        if (FWoken) {
            FWoken = false;
            return false; // the caller looks at what was posted
        }
        int timeout = -1;
        if (deadline != UINT64_MAX) {
            const uint64_t now = Now();
            if (now >= deadline) return false;
            timeout = static_cast<int>(std::min<uint64_t>(deadline - now, INT_MAX));
        }
        SDL_Event event;
        const int got = Sdl().WaitEventTimeout(&event, timeout);
        ++FWakeUps;
        if (got && event.type == FWakeEvent) {
            return false; // the caller looks at what was posted
        } else if (got) {
            Translate(event);
        } else if (deadline == UINT64_MAX) {
            return false; // an error: waiting again would spin
        }
    }
}

TSize TSdlHost::ScreenSize() const {
    SDL_DisplayMode mode;
    if (Sdl().GetDesktopDisplayMode(0, &mode) != 0) return {};
    return {mode.w, mode.h};
}

TRect TSdlHost::WorkArea() const {
    SDL_Rect r;
    if (Sdl().GetDisplayUsableBounds(0, &r) != 0) {
        const TSize s = ScreenSize();
        return {0, 0, s.cx, s.cy};
    }
    return {r.x, r.y, r.x + r.w, r.y + r.h};
}

TPoint TSdlHost::CursorPos() const {
    TPoint p;
    Sdl().GetGlobalMouseState(&p.X, &p.Y);
    return p;
}

bool TSdlHost::ReadScreen(const TRect& screenRect, TPixels& picture) {
    // Any window of the program gives the connection to the X server.
    for (const auto& [id, w] : FWindows)
        if (w->Native()) return X11ReadRoot(w->Native(), screenRect, picture);
    return false;
}

std::string TSdlHost::ClipboardText() const {
    char* text = Sdl().GetClipboardText();
    std::string result = text ? text : "";
    Sdl().free(text);
    return result;
}

void TSdlHost::SetClipboardText(const std::string& utf8) {
    Sdl().SetClipboardText(utf8.c_str());
}

void TSdlHost::ApplyCursor(TCursorShape shape) {
    const auto index = static_cast<size_t>(shape);
    if (index >= std::size(FCursors)) return;
    if (!FCursors[index]) FCursors[index] = Sdl().CreateSystemCursor(kSystemCursors[index]);
    if (FCursors[index]) Sdl().SetCursor(FCursors[index]);
}

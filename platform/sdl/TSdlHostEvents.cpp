// Translation of SDL events to the host's events.
#include "platform/sdl/SdlKeys.h"
#include "platform/sdl/SdlLibrary.h"
#include "platform/sdl/TSdlHost.h"
#include "platform/sdl/X11Window.h"

namespace {

int Button(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return mbLeft;
    case SDL_BUTTON_RIGHT:
        return mbRight;
    case SDL_BUTTON_MIDDLE:
        return mbMiddle;
    default:
        return 0;
    }
}

} // namespace

TEvent TSdlHost::MouseEvent(TEventKind kind, TSdlWindow* w, int x, int y) const {
    TEvent e;
    e.Kind = kind;
    e.Window = w;
    e.X = x;
    e.Y = y;
    // The pointer's own screen position: while the framework drags a window,
    // queued events still hold client positions of the window's old place.
    Sdl().GetGlobalMouseState(&e.ScreenX, &e.ScreenY);
    e.Modifiers = SdlModifiers(static_cast<Uint16>(Sdl().GetModState()));
    return e;
}

void TSdlHost::Translate(const SDL_Event& event) {
    switch (event.type) {
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event.window);
        break;
    case SDL_MOUSEMOTION:
        if (TSdlWindow* w = FindWindow(event.motion.windowID))
            FReady.push_back(
                MouseEvent(TEventKind::ekMouseMove, w, event.motion.x, event.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        TSdlWindow* w = FindWindow(event.button.windowID);
        const int button = Button(event.button.button);
        if (!w || !button) break;
        TEvent e = MouseEvent(event.type == SDL_MOUSEBUTTONDOWN ? TEventKind::ekMouseDown
                                                                : TEventKind::ekMouseUp,
                              w, event.button.x, event.button.y);
        e.Button = button;
        // A third click in a row starts a new pair, as on the other system.
        e.Clicks = event.button.clicks >= 2 && event.button.clicks % 2 == 0 ? 2 : 1;
        FReady.push_back(std::move(e));
        break;
    }
    case SDL_SYSWMEVENT:
        TranslateCaughtPress(event);
        break;
    case SDL_MOUSEWHEEL: {
        TSdlWindow* w = FindWindow(event.wheel.windowID);
        if (!w || event.wheel.y == 0) break;
        TEvent e = MouseEvent(TEventKind::ekMouseWheel, w, event.wheel.mouseX, event.wheel.mouseY);
        e.WheelDelta =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        FReady.push_back(std::move(e));
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        TSdlWindow* w = FindWindow(event.key.windowID);
        const int key = SdlKeyToVirtualKey(event.key.keysym.sym);
        if (!w || !key) break;
        TEvent e;
        e.Kind = event.type == SDL_KEYDOWN ? TEventKind::ekKeyDown : TEventKind::ekKeyUp;
        e.Window = w;
        e.Key = key;
        e.Repeat = event.key.repeat != 0;
        e.Modifiers = SdlModifiers(event.key.keysym.mod);
        FReady.push_back(std::move(e));
        break;
    }
    case SDL_TEXTINPUT:
        if (TSdlWindow* w = FindWindow(event.text.windowID)) {
            TEvent e;
            e.Kind = TEventKind::ekTextInput;
            e.Window = w;
            e.Text = event.text.text;
            FReady.push_back(std::move(e));
        }
        break;
    default:
        break;
    }
}

// A press outside the popup that holds the capture, caught by the window
// below it, goes to the popup in its own coordinates.
void TSdlHost::TranslateCaughtPress(const SDL_Event& event) {
    TCaughtPress press;
    if (!FCapture || !X11CaughtPress(event, FCapture->Catcher(), press)) return;
    const int button = Button(static_cast<Uint8>(press.Button));
    if (!button) return;
    TEvent e;
    e.Kind = press.Down ? TEventKind::ekMouseDown : TEventKind::ekMouseUp;
    e.Window = FCapture;
    e.ScreenX = press.ScreenX;
    e.ScreenY = press.ScreenY;
    e.X = press.ScreenX - FCapture->Bounds().Left;
    e.Y = press.ScreenY - FCapture->Bounds().Top;
    e.Button = button;
    e.Modifiers = SdlModifiers(static_cast<Uint16>(Sdl().GetModState()));
    FReady.push_back(std::move(e));
}

void TSdlHost::TranslateWindowEvent(const SDL_WindowEvent& event) {
    TSdlWindow* w = FindWindow(event.windowID);
    if (!w) return;
    TEvent e;
    e.Window = w;
    switch (event.event) {
    case SDL_WINDOWEVENT_ENTER: {
        ApplyCursor(w->Cursor());
        int x = 0, y = 0;
        Sdl().GetMouseState(&x, &y);
        e = MouseEvent(TEventKind::ekMouseEnter, w, x, y);
        break;
    }
    case SDL_WINDOWEVENT_LEAVE:
        e.Kind = TEventKind::ekMouseLeave;
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        e.Kind = TEventKind::ekFocusIn;
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        e.Kind = TEventKind::ekFocusOut;
        break;
    case SDL_WINDOWEVENT_CLOSE:
        e.Kind = TEventKind::ekCloseRequest;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        e.Kind = TEventKind::ekExpose;
        break;
    case SDL_WINDOWEVENT_MOVED:
        if (!w->NoteMoved(TPoint{event.data1, event.data2})) return;
        e.Kind = TEventKind::ekMoved;
        e.X = event.data1;
        e.Y = event.data2;
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // The window surface is new and blank either way.
        if (w->NoteResized(TSize{event.data1, event.data2})) {
            TEvent resized = e;
            resized.Kind = TEventKind::ekResized;
            resized.X = event.data1;
            resized.Y = event.data2;
            FReady.push_back(std::move(resized));
        }
        e.Kind = TEventKind::ekExpose;
        break;
    default:
        return;
    }
    FReady.push_back(std::move(e));
}

#include "platform/sdl/TSdlWindow.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/sdl/SdlLibrary.h"
#include "platform/sdl/TSdlHost.h"
#include "platform/sdl/X11Window.h"

namespace {

// Requests not yet confirmed by the window system; older ones are forgotten.
constexpr size_t kMaxPending = 32;

template <class T> void Remember(std::vector<T>& pending, const T& value) {
    if (pending.size() == kMaxPending) pending.erase(pending.begin());
    pending.push_back(value);
}

// True when value is one of ours: it and every older request are dropped.
template <class T> bool Confirm(std::vector<T>& pending, const T& value) {
    auto it = std::find(pending.begin(), pending.end(), value);
    if (it == pending.end()) {
        pending.clear();
        return false;
    }
    pending.erase(pending.begin(), it + 1);
    return true;
}

Uint32 WindowFlags(const TWindowParams& params) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS;
    switch (params.Kind) {
    case TWindowKind::wkPopup:
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        break;
    case TWindowKind::wkTooltip:
        flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        break;
    case TWindowKind::wkNormal:
        if (params.TopMost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
        break;
    }
    return flags;
}

} // namespace

TSdlWindow::TSdlWindow(TSdlHost* host, const TWindowParams& params)
    : FHost(host), FKind(params.Kind),
      FBounds(::Bounds(params.Bounds.Left, params.Bounds.Top, std::max(params.Bounds.Width(), 1),
                       std::max(params.Bounds.Height(), 1))) {
    FWindow = Sdl().CreateWindow(params.Title.c_str(), FBounds.Left, FBounds.Top, FBounds.Width(),
                                 FBounds.Height(), WindowFlags(params));
    if (!FWindow)
        throw std::runtime_error(std::string("Cannot create a window: ") + Sdl().GetError());
    FId = Sdl().GetWindowID(FWindow);
    if (FKind == TWindowKind::wkTooltip) X11SetInputTransparent(FWindow);
    FHost->WindowCreated(this);
}

TSdlWindow::~TSdlWindow() {
    SetCapture(false);
    if (FHost) FHost->WindowDestroyed(this);
    if (FWindow) Sdl().DestroyWindow(FWindow);
}

void TSdlWindow::DetachHost() {
    FHost = nullptr;
    if (FWindow) Sdl().DestroyWindow(FWindow);
    FWindow = nullptr;
    FVisible = false;
}

void TSdlWindow::Show() {
    if (!FWindow || FVisible) return;
    // Popups and tooltips are override-redirect: mapping them is all it takes,
    // and they leave the keyboard focus where it is.
    if (FKind == TWindowKind::wkNormal || !X11MapWindow(FWindow, true)) Sdl().ShowWindow(FWindow);
    FVisible = true;
    // The first picture was presented before the window was mapped, and the X
    // server keeps nothing drawn into an unmapped window: sent again now, it
    // shows at once instead of after the window's first expose has made its
    // way through the loop (behind a news page's layout, say).
    if (FPresented) Sdl().UpdateWindowSurface(FWindow);
}

void TSdlWindow::Hide() {
    if (!FWindow || !FVisible) return;
    SetCapture(false);
    if (FKind == TWindowKind::wkNormal || !X11MapWindow(FWindow, false)) Sdl().HideWindow(FWindow);
    FVisible = false;
}

void TSdlWindow::Raise() {
    if (FWindow && FVisible) X11RaiseWindow(FWindow);
}

void TSdlWindow::SetBounds(const TRect& b) {
    if (!FWindow) return;
    const TSize size{std::max(b.Width(), 1), std::max(b.Height(), 1)};
    const bool moved = b.Left != FBounds.Left || b.Top != FBounds.Top;
    const bool sized = size != TSize{FBounds.Width(), FBounds.Height()};
    FBounds = TRect{b.Left, b.Top, b.Left + size.cx, b.Top + size.cy};
    if (moved) {
        Remember(FPendingMoves, TPoint{b.Left, b.Top});
        Sdl().SetWindowPosition(FWindow, b.Left, b.Top);
    }
    if (sized) {
        Remember(FPendingSizes, size);
        Sdl().SetWindowSize(FWindow, size.cx, size.cy);
    }
}

bool TSdlWindow::NoteMoved(TPoint p) {
    if (Confirm(FPendingMoves, p)) return false;
    if (p.X == FBounds.Left && p.Y == FBounds.Top) return false;
    FBounds = FBounds.Offset(p.X - FBounds.Left, p.Y - FBounds.Top);
    return true;
}

bool TSdlWindow::NoteResized(TSize s) {
    if (Confirm(FPendingSizes, s)) return false;
    if (s == TSize{FBounds.Width(), FBounds.Height()}) return false;
    FBounds.Right = FBounds.Left + s.cx;
    FBounds.Bottom = FBounds.Top + s.cy;
    return true;
}

void TSdlWindow::SetTitle(const std::string& utf8) {
    if (FWindow) Sdl().SetWindowTitle(FWindow, utf8.c_str());
}

void TSdlWindow::SetShape(const TRegion* shape) {
    // Without X11 (another video driver) the window stays rectangular.
    if (FWindow) X11SetWindowShape(FWindow, shape);
}

void TSdlWindow::SetCursor(TCursorShape shape) {
    FCursor = shape;
    if (FHost && FWindow && (Sdl().GetMouseFocus() == FWindow || FHost->CaptureWindow() == this))
        FHost->ApplyCursor(shape);
}

void TSdlWindow::SetCapture(bool on) {
    if (!FHost || !FWindow) return;
    if (on) {
        // SDL's capture keeps to the window under the pointer and misses
        // presses on the bare desktop, which must close a popup.
        if (FKind != TWindowKind::wkNormal && !FCatcher) FCatcher = X11ShowPressCatcher(FWindow);
        // Fails when the pointer is elsewhere; the capture is then simply not had.
        if (!FCatcher) Sdl().CaptureMouse(SDL_TRUE);
        FHost->SetCaptureWindow(this);
    } else if (FHost->CaptureWindow() == this) {
        if (FCatcher)
            X11HidePressCatcher(FWindow, FCatcher);
        else
            Sdl().CaptureMouse(SDL_FALSE);
        FCatcher = 0;
        FHost->SetCaptureWindow(nullptr);
    }
}

void TSdlWindow::Activate() {
    if (!FWindow || !FVisible) return;
    Sdl().RaiseWindow(FWindow);
    // Without a window manager nobody else hands out the keyboard focus.
    Sdl().SetWindowInputFocus(FWindow);
}

void TSdlWindow::Minimize() {
    if (!FWindow || !FVisible) return;
    if (X11WindowManagerRuns(FWindow)) {
        Sdl().MinimizeWindow(FWindow);
        return;
    }
    // Nothing would give an iconified window back: it is hidden instead.
    Hide();
}

bool TSdlWindow::BeginMoveDrag(TPoint screen) {
    if (!FWindow) return false;
    SetCapture(false);
    return X11BeginMoveDrag(FWindow, screen.X, screen.Y);
}

namespace {

// The common X11 surface formats, converted by hand; the rest go through SDL.
void CopyRect(const TPixels& picture, const TRect& r, SDL_Surface* s) {
    auto* dst = static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(r.Top) * s->pitch +
                r.Left * s->format->BytesPerPixel;
    const uint8_t* src = picture.ScanLine(r.Top) + r.Left * 3;
    const Uint32 format = s->format->format;
    if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
        for (int y = 0; y < r.Height(); ++y, dst += s->pitch, src += picture.Stride()) {
            auto* out = reinterpret_cast<Uint32*>(dst);
            for (int x = 0; x < r.Width(); ++x)
                out[x] = 0xFF000000u | (Uint32{src[x * 3 + 2]} << 16) |
                         (Uint32{src[x * 3 + 1]} << 8) | src[x * 3];
        }
        return;
    }
    Sdl().ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_BGR24, src, picture.Stride(), format,
                        dst, s->pitch);
}

} // namespace

void TSdlWindow::Present(const TPixels& picture, const TRegion& changed) {
    if (!FWindow) return;
    // The surface follows the window's size; a resize made it anew.
    SDL_Surface* surface = Sdl().GetWindowSurface(FWindow);
    if (!surface)
        throw std::runtime_error(std::string("Cannot draw into the window: ") + Sdl().GetError());
    TRegion area(changed);
    area.Intersect(
        TRect{0, 0, std::min(picture.Width(), surface->w), std::min(picture.Height(), surface->h)});
    if (area.IsEmpty()) return;
    const std::vector<TRect> rects = area.Rects();
    std::vector<SDL_Rect> sdlRects;
    sdlRects.reserve(rects.size());
    if (SDL_MUSTLOCK(surface)) Sdl().LockSurface(surface);
    for (const TRect& r : rects) {
        CopyRect(picture, r, surface);
        sdlRects.push_back(SDL_Rect{r.Left, r.Top, r.Width(), r.Height()});
    }
    if (SDL_MUSTLOCK(surface)) Sdl().UnlockSurface(surface);
    Sdl().UpdateWindowSurfaceRects(FWindow, sdlRects.data(), static_cast<int>(sdlRects.size()));
    FPresented = true;
}

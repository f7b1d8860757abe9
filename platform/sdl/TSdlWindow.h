#pragma once
// A top-level window of the SDL host: always undecorated; popups and tooltips
// are override-redirect and stay on top. Pixels reach it through the window
// surface, shapes through X11.

#include <SDL2/SDL_video.h>

#include <vector>

#include "platform/THost.h"

class TSdlHost;

class TSdlWindow final : public IHostWindow {
public:
    // Throws std::runtime_error when SDL cannot create the window.
    TSdlWindow(TSdlHost* host, const TWindowParams& params);
    ~TSdlWindow() override;
    TSdlWindow(const TSdlWindow&) = delete;
    TSdlWindow& operator=(const TSdlWindow&) = delete;

    void Show() override;
    void Hide() override;
    bool Visible() const override { return FVisible; }
    void Raise() override;
    void SetBounds(const TRect& screenBounds) override;
    TRect Bounds() const override { return FBounds; }
    void SetTitle(const std::string& utf8) override;
    void SetShape(const TRegion* shape) override;
    void Present(const TPixels& picture, const TRegion& changed) override;
    void SetCursor(TCursorShape shape) override;
    void SetCapture(bool on) override;
    void Activate() override;
    void Minimize() override;
    bool BeginMoveDrag(TPoint screen) override;

    SDL_Window* Native() const { return FWindow; }
    Uint32 Id() const { return FId; }
    TCursorShape Cursor() const { return FCursor; }
    // The window that catches presses outside a popup holding the capture; 0 for none.
    unsigned long Catcher() const { return FCatcher; }

    // The window system moved or resized the window. False when it only
    // carried out one of our own SetBounds calls, which must not be reported
    // back (a drag sends several before the first arrives).
    bool NoteMoved(TPoint topLeft);
    bool NoteResized(TSize size);

    // The host ends first: the SDL window goes with it.
    void DetachHost();

private:
    TSdlHost* FHost;
    SDL_Window* FWindow = nullptr;
    Uint32 FId = 0;
    TWindowKind FKind;
    TRect FBounds;
    bool FVisible = false;
    bool FPresented = false; // the window's surface holds a picture
    unsigned long FCatcher = 0;
    TCursorShape FCursor = TCursorShape::csArrow;
    std::vector<TPoint> FPendingMoves;
    std::vector<TSize> FPendingSizes;
};

#pragma once
// What SDL does not offer for a window and X11 does, through the window's
// native handle. Each returns false when the window is not an X11 window
// (another video driver), so callers can go on without the feature.

#include <SDL2/SDL_video.h>

#include "platform/TRegion.h"

// Sets the window's bounding (and so input) shape; null restores the rectangle.
bool X11SetWindowShape(SDL_Window* window, const TRegion* shape);

// Puts the window above its siblings without asking for keyboard focus.
bool X11RaiseWindow(SDL_Window* window);

// Maps (raised) or unmaps the window itself. SDL's own show gives the window
// the keyboard focus when no window manager runs, which a popup must not take.
bool X11MapWindow(SDL_Window* window, bool map);

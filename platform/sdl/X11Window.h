#pragma once
// What SDL does not offer for a window and X11 does, through the window's
// native handle. Each returns false when the window is not an X11 window
// (another video driver), so callers can go on without the feature.

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_video.h>

#include "platform/TPixels.h"
#include "platform/TRegion.h"

// Sets the window's bounding (and so input) shape; null restores the rectangle.
bool X11SetWindowShape(SDL_Window* window, const TRegion* shape);

// Lets the pointer pass through the window to what lies below (an empty
// input shape), as a tooltip must.
bool X11SetInputTransparent(SDL_Window* window);

// Reads the root window's pixels in the rectangle (screen coordinates) into
// picture, through the display of the given window; what lies off the screen
// reads black. False where the root does not hold what is shown (XWayland,
// whose root stays black) or the read fails.
bool X11ReadRoot(SDL_Window* window, const TRect& area, TPixels& picture);

// Puts the window above its siblings without asking for keyboard focus.
bool X11RaiseWindow(SDL_Window* window);

// Maps (raised) or unmaps the window itself. SDL's own show gives the window
// the keyboard focus when no window manager runs, which a popup must not take.
bool X11MapWindow(SDL_Window* window, bool map);

// Whether a window manager runs on the window's screen (it announces itself
// through _NET_SUPPORTING_WM_CHECK on the root window).
bool X11WindowManagerRuns(SDL_Window* window);

// Asks the window manager to move the window with the pointer, as from a
// press at the screen point (_NET_WM_MOVERESIZE); false when none runs. The
// window manager takes the press over, and its release never reaches the
// program: SDL is told of a release at once, or it would still think the
// button down and swallow the next press (a quick click on a title button
// after a drag did nothing). A press already released starts no move: there
// is nothing left to drag, and the move would wait for a release long past.
bool X11BeginMoveDrag(SDL_Window* window, int screenX, int screenY);

// A popup that holds the mouse needs to hear of a press anywhere outside it,
// the bare desktop included, to close. SDL answers every pointer crossing by
// releasing any pointer grab of the program, so a grab does not last: an
// input-only window over the whole screen, just below the popup, catches
// those presses instead. SDL does not know the window and passes its events
// on only as window-system events, which are turned on while it lives.
// Returns the catcher (0 when there is no X11).
unsigned long X11ShowPressCatcher(SDL_Window* popup);
void X11HidePressCatcher(SDL_Window* popup, unsigned long catcher);

// A press or release on the catcher, from a window-system event: its button
// (SDL's numbering) and screen position.
struct TCaughtPress {
    bool Down = false;
    int Button = 0;
    int ScreenX = 0, ScreenY = 0;
};
bool X11CaughtPress(const SDL_Event& event, unsigned long catcher, TCaughtPress& press);

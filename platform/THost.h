#pragma once
// What the framework asks of the window system. Two hosts implement it:
// SDL2 (real windows) and headless (bitmaps, injected input, virtual clock).
// Only top-level windows are host windows; every control inside is the
// framework's own. Coordinates of events are client (window) pixels, with the
// screen position beside them for moving and sizing.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/TPixels.h"
#include "platform/TRegion.h"
#include "platform/Types.h"

// A tooltip never takes the focus or the pointer: input over it goes to what
// lies below, so a hint under the mouse does not hide itself.
enum class TWindowKind { wkNormal, wkPopup, wkTooltip };

enum class TCursorShape {
    csArrow,
    csHand,
    csIBeam,
    csSizeWE,
    csSizeNS,
    csSizeNWSE,
    csSizeNESW,
    csSizeAll,
    csWait
};

struct TWindowParams {
    TRect Bounds; // screen position and size
    TWindowKind Kind = TWindowKind::wkNormal;
    bool TopMost = false; // popups and tooltips are always on top
    std::string Title;    // UTF-8
};

// Modifier flags of input events.
enum : unsigned { kmShift = 1, kmCtrl = 2, kmAlt = 4 };

// Mouse buttons.
enum : int { mbLeft = 1, mbRight = 2, mbMiddle = 3 };

enum class TEventKind {
    ekNone,
    ekMouseMove,
    ekMouseDown, // Clicks = 2 for a double click
    ekMouseUp,
    ekMouseWheel, // WheelDelta in notches, positive away from the user
    ekMouseEnter,
    ekMouseLeave,
    ekKeyDown, // Key: Windows virtual-key code; Repeat set for auto-repeat
    ekKeyUp,
    ekTextInput, // Text: UTF-8
    ekFocusIn,
    ekFocusOut,
    ekCloseRequest,
    ekExpose,  // the window system lost the window's pixels: present all again
    ekMoved,   // the window system moved the window: X, Y = new screen position
    ekResized, // the window system resized the window: X, Y = new client size
};

class IHostWindow;

struct TEvent {
    TEventKind Kind = TEventKind::ekNone;
    IHostWindow* Window = nullptr;
    int X = 0, Y = 0;             // client coordinates (mouse), or see above
    int ScreenX = 0, ScreenY = 0; // screen coordinates of the mouse
    int Button = 0;
    int Clicks = 1;
    int WheelDelta = 0;
    int Key = 0;
    bool Repeat = false;
    unsigned Modifiers = 0;
    std::string Text;
};

class IHostWindow {
public:
    virtual ~IHostWindow() = default;

    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    virtual void Raise() = 0;
    virtual void SetBounds(const TRect& screenBounds) = 0;
    virtual TRect Bounds() const = 0;
    virtual void SetTitle(const std::string& utf8) = 0;
    // Pixels outside the shape are not part of the window; null restores the rectangle.
    virtual void SetShape(const TRegion* shape) = 0;
    // Copies the given rectangles of the picture (same size as the window) to the screen.
    virtual void Present(const TPixels& picture, const TRegion& changed) = 0;
    virtual void SetCursor(TCursorShape shape) = 0;
    virtual void SetCapture(bool on) = 0;
    // Keyboard focus among the program's windows.
    virtual void Activate() = 0;
    // Minimises the window; where nothing could give it back (no window
    // manager) it is hidden until shown again.
    virtual void Minimize() = 0;
    // Asks the window system to move the window with the pointer, from a press
    // at the screen point; false when the program must move it itself.
    virtual bool BeginMoveDrag(TPoint screen) = 0;
};

class IHost {
public:
    virtual ~IHost() = default;

    virtual std::unique_ptr<IHostWindow> CreateWindow(const TWindowParams& params) = 0;

    // Monotonic milliseconds.
    virtual uint64_t Now() const = 0;
    // Next event without waiting; false when there is none.
    virtual bool PollEvent(TEvent& e) = 0;
    // Waits for the next event or until the clock reaches deadline, whichever is
    // first; false on reaching the deadline. UINT64_MAX waits for an event only.
    virtual bool WaitEvent(TEvent& e, uint64_t deadline) = 0;

    virtual TSize ScreenSize() const = 0;
    virtual TRect WorkArea() const = 0;
    virtual TPoint CursorPos() const = 0;
    // What the screen shows in the rectangle (screen coordinates), read into
    // picture at the rectangle's size; parts off the screen read black. False
    // when the window system cannot tell: picture is then left as it was.
    virtual bool ReadScreen(const TRect& screenRect, TPixels& picture) = 0;

    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& utf8) = 0;

    virtual const char* Name() const = 0;

    // Safe from any thread: makes a wait in progress (or the next one) return
    // early, so that the loop takes what another thread has posted to it.
    virtual void Wake() = 0;
};

// The monotonic clock of the real hosts, in milliseconds (the SDL host keeps
// SDL's, moved to this one's origin): the same before a host is made as
// after, so that what is timed while the display still opens keeps its time.
uint64_t SteadyMilliseconds();

// The process's host. The program picks one at start; tests install a headless one.
IHost& Host();
void SetHost(std::unique_ptr<IHost> host);
bool HasHost();

#pragma once
// The program picks its host at start: real windows, or bitmaps for tests and
// screenshots.

#include <memory>

#include "platform/THost.h"
#include "platform/headless/THeadlessHost.h"
#include "platform/sdl/X11Desktop.h"

// Throws std::runtime_error when no display can be opened.
std::unique_ptr<IHost> CreateSdlHost();

// Starts making the SDL host on a thread of its own and returns with a host
// that waits for it where it must (TPendingHost), answering the clock and the
// screen meanwhile. SDL2 is loaded on that thread while the desktop's facts
// are read here, into desktop; this returns once both are done, and SDL's
// start (mostly waiting on the X server) goes on beside the caller. A display
// that cannot be opened is thrown from the first call that needs it.
std::unique_ptr<IHost> StartSdlHost(TDesktopFacts& desktop);
std::unique_ptr<THeadlessHost> CreateHeadlessHost();

// Makes a headless host the process's host (SetHost) and returns it, for tests
// that inject input and read windows back.
THeadlessHost& InstallHeadlessHost();

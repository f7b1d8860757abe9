#pragma once
// What the desktop tells before the SDL host is made, read on an X
// connection of its own while SDL still starts: the density its settings ask
// for, and the bounds and usable part of the display the host counts first.
// The screen is found as SDL finds its first display (the primary monitor
// under RandR 1.3 or later, else the first one lit, else the whole X screen)
// and its usable part as SDL gives it (that display within the root window's
// _NET_WORKAREA), so the answers match the host's once it is made.

#include "platform/Types.h"

struct TDesktopFacts {
    bool Known = false; // false without an X display
    int Dpi = 0;        // the Xft.dpi resource, 0 when it names none
    TRect Screen;       // the first display, in screen coordinates
    TRect WorkArea;     // its usable part
};

// Must not run while another thread uses Xlib: it shares Xlib's global
// state, as every connection does without XInitThreads.
TDesktopFacts ReadDesktopFacts();

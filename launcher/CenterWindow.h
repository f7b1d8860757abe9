#pragma once
// The centring rule of the launcher's three windows.

#include <cstdint>

#include "platform/Types.h"

class TControl;

// Position of a window of outer size width x height. On the Windows 95 family
// (platform id 1) the work area's size counts but not its corner; elsewhere the
// whole screen does. Halves truncate toward zero, so a window larger than the
// screen gets a negative position.
TPoint CenteredPosition(int width, int height, uint32_t platformId, const TRect& workArea,
                        TSize screen);

// Moves the window by the rule above, asking the platform; left before top.
void CenterWindow(TControl* window);

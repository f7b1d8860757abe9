#include "stdctrls/TButtonControl.h"

#include "platform/THost.h"
#include "platform/VirtualKeys.h"

void TButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        FMouseDown = true;
        FMouseInside = true;
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButtonControl::MouseMove(TShiftState shift, int x, int y) {
    if (FMouseDown) {
        const bool inside = ClientRect().Contains({x, y});
        if (inside != FMouseInside) {
            FMouseInside = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TButtonControl::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE && !FSpaceDown) {
        FSpaceDown = true;
        Invalidate();
    }
}

void TButtonControl::KeyUp(int& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && FSpaceDown) {
        FSpaceDown = false;
        Invalidate();
        SpaceReleased();
    }
}

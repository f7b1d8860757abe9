#pragma once
// What push buttons and check boxes share: the left mouse button presses them
// while the pointer stays over them, Space presses them from the keyboard, and
// they act when Space is released (the mouse release is each one's own).

#include "window/TCustomControl.h"

class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* owner) : TCustomControl(owner) {}

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyUp(int& key, TShiftState shift) override;
    // Space was pressed and released over the focused control.
    virtual void SpaceReleased() = 0;

    bool FMouseDown = false;
    bool FMouseInside = false;
    bool FSpaceDown = false;
};

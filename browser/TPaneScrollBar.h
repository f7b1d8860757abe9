#pragma once
// The state of the pane's vertical scroll bar: how far the page is scrolled,
// its geometry (arrow buttons, track, thumb) and a thumb drag under way. Its
// look is PaneScrollBarLook.

#include "platform/Types.h"

class TPaneScrollBar {
public:
    // Pixels one arrow click or one wheel notch's step moves.
    static constexpr int kLineStep = 20;

    void SetBounds(const TRect& bounds) { FBounds = bounds; }
    const TRect& Bounds() const { return FBounds; }
    // The page's height and the viewport's; the position stays within them.
    void SetRange(int content, int page);
    int Position() const { return FPosition; }
    int MaxPosition() const;
    // Clamped; true when the position changed.
    bool SetPosition(int position);
    bool ScrollBy(int delta) { return SetPosition(FPosition + delta); }
    int Page() const { return FPage; }
    bool Needed() const { return FContent > FPage; }

    TRect UpButton() const;
    TRect DownButton() const;
    TRect Track() const;
    TRect Thumb() const;

    // A press inside the bar; true when the position changed.
    bool MouseDown(TPoint p);
    bool MouseMove(TPoint p);
    void MouseUp() { FDragging = false; }
    bool Dragging() const { return FDragging; }

private:
    TRect FBounds;
    int FContent = 0;
    int FPage = 0;
    int FPosition = 0;
    bool FDragging = false;
    int FGrab = 0; // the press's distance below the thumb's top
};

#pragma once
// The paint pass and device contexts. Each form paints into its own back
// buffer; a DC is a canvas on that buffer whose origin is the control's
// client (or window) corner and whose clip is what of the control is visible:
// inside every parent's client area and window region, with windowed children
// and the windowed siblings above it cut out.
//
// Once per loop turn PaintAll walks every showing top-level window, parents
// before children: WM_NCPAINT for invalid frames, then WM_PAINT for non-empty
// update regions; then each window presents the pixels that DCs changed
// since the last present (a DC on the back buffer keeps the box of what it
// changed; a copy of pixels already there changes nothing).

#include "platform/TRegion.h"
#include "window/ControlTypes.h"

class TCustomForm;

struct TPaintStruct {
    HDC hdc = nullptr;
    bool fErase = false;
    TRect rcPaint;      // client coordinates
    bool Owned = false; // the DC was made by BeginPaint and goes with EndPaint
};

class TPaintEngine {
public:
    // What of the control's client area (or whole window) shows, in the
    // coordinates of its form's window. Empty when the control is not showing.
    static TRegion VisibleRegion(const TWinControl* c, bool client);
    // A DC on the control; limit (form coordinates) narrows the clip further.
    static HDC CreateDC(TWinControl* c, bool client, const TRegion* limit = nullptr);
    static void ReleaseDC(HDC dc);
    static bool IsLiveDC(HDC dc);

    static HDC BeginPaint(TWinControl* c, TPaintStruct& ps);
    static void EndPaint(TWinControl* c, TPaintStruct& ps);

    // Paints what is invalid in one form and presents it.
    static void PaintForm(TCustomForm* form);
    // Paints every top-level window; the loop calls it once per turn.
    static void PaintAll();
    // True while any invalidation waits for a paint pass.
    static bool PaintPending();

private:
    static void PaintWindowTree(TWinControl* w);
};

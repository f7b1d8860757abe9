#pragma once
// A control with a handle and a window procedure: it holds children in
// z-order, takes the keyboard focus, has a non-client area and a window
// region, and paints in its own update region. Only forms own a host window;
// every other windowed control is the framework's own, painted into its form's
// back buffer.
//
// Painting: the loop's paint pass sends WM_NCPAINT when the frame is invalid
// and WM_PAINT when the update region is not empty. The default WM_PAINT
// handler takes the paint DC (BeginPaint: erase first unless told not to),
// calls PaintWindow, then paints the windowless children (PaintControls).
// Windowed children and siblings above are clipped out of the DC.

#include <optional>
#include <vector>

#include "platform/TRegion.h"
#include "window/TControl.h"

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    HWND Handle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != 0; }
    bool IsWindowed() const override { return true; }

    // --- children, bottom of the z-order first -----------------------------
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int i) const { return FControls[i]; }
    const std::vector<TControl*>& ControlList() const { return FControls; }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    bool ContainsControl(const TControl* c) const;
    // Top-most child under a point of the client area.
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = true) const;
    void SetChildOrder(TControl* c, int index);
    void Broadcast(TMessage& m);
    void AlignControls();

    // --- focus and tab order -------------------------------------------
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // --- non-client area and region -----------------------------------------
    TRect ClientRect() const override;
    // The client area inside the window rectangle (0, 0, Width, Height).
    TRect ClientInWindow() const { return FClientInWindow; }
    TPoint ClientOrigin() const override;
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int w);
    // Recomputes the client area through WM_NCCALCSIZE and repaints the frame.
    void RecalcNonClient();
    // The window region in window coordinates; null clears it.
    void SetWindowRgn(const TRegion* rgn, bool redraw);
    const TRegion* WindowRgn() const { return FWindowRgn ? &*FWindowRgn : nullptr; }

    // --- painting ----------------------------------------------------------
    void Invalidate() override;
    void Update() override;
    // Adds a rectangle of the client area (null: all of it) to the update region.
    void InvalidateRect(const TRect* r, bool erase);
    void InvalidateRegion(const TRegion& rgn, bool erase);
    // Marks the non-client area for WM_NCPAINT.
    void InvalidateFrame();
    const TRegion& UpdateRegion() const { return FUpdateRgn; }
    bool NeedsErase() const { return FEraseNeeded; }
    bool FrameInvalid() const { return FFrameInvalid; }
    void PaintHandler(HDC dc);
    // Paints the windowless children from first (null: all) up onto dc.
    void PaintControls(HDC dc, TControl* first);

    // --- events ------------------------------------------------------------
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    void WndProc(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetClientSize(int width, int height) override;
    void SetParent(TWinControl* parent) override;
    void SetVisible(bool v) override;
    void Loaded() override;

protected:
    virtual void PaintWindow(HDC dc);
    virtual void KeyDown(int& key, TShiftState shift);
    virtual void KeyUp(int& key, TShiftState shift);
    virtual void KeyPress(uint32_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    // Thickness of the non-client area on each side; the default is BorderWidth.
    virtual TRect NonClientInsets() const;
    // Paints the default non-client area; nothing for a plain control.
    virtual void PaintNonClient(HDC windowDC);
    // Where the children may be aligned (client rect by default).
    virtual TRect AlignRect() const { return ClientRect(); }
    void BoundsChanged(const TRect& old) override;
    // Fills the DC's clip with Color; the default answer to WM_ERASEBKGND.
    virtual void EraseBackground(HDC dc);
    // The window region changed (forms pass it on to their host window).
    virtual void WindowRgnChanged() {}
    void MarkPaintPending();

private:
    friend class TPaintEngine;
    friend class TCustomForm;
    void HandleKeyMessage(TMessage& m);
    void WMPaint(TMessage& m);
    void WMNCCalcSize(TMessage& m);

    HWND FHandle = 0;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    int FLoadedTabOrder = -1;
    bool FTabStop = false;
    int FBorderWidth = 0;
    TRect FClientInWindow;
    std::optional<TRegion> FWindowRgn;
    TRegion FUpdateRgn; // client coordinates
    bool FEraseNeeded = false;
    bool FFrameInvalid = true;
    HDC FPaintDC = nullptr; // set by the paint pass while WM_PAINT runs
    bool FPaintErase = false;
};

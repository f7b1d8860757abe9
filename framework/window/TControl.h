#pragma once
// The base of every visible element: bounds, parent, visibility, caption,
// colour, font, mouse events and the window procedure.
//
// Messages reach a control through WindowProc, which starts out as WndProc.
// A subclass overrides WndProc, handles what it wants and passes the rest to
// its base class's WndProc; what nobody handles ends in DefaultHandler.
// Another object may replace WindowProc and keep the old one to pass on to.

#include <memory>
#include <string>

#include "component/TComponent.h"
#include "graphics/TFont.h"
#include "window/ControlTypes.h"

class TCustomForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();

    // --- tree and bounds -------------------------------------------------
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Position and size in the parent's client coordinates (screen for forms).
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in the control's own coordinates.
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
    void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
    // Screen position of the client area's (0, 0).
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // Where the control's own (0, 0) lies in its form's window (back buffer).
    TPoint OriginInForm() const;
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign a);

    // --- state -------------------------------------------------------------
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible together with every parent.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);
    const std::string& Caption() const { return FText; }
    const std::string& Text() const { return FText; }
    void SetCaption(const std::string& s) { SetText(s); }
    void SetText(const std::string& s);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont& f) { FFont->Assign(f); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor c);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& h) { FHint = h; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool v);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t t) { FTag = t; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle s) { FControlStyle = s; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState s) { FControlState = s; }
    // True between construction and the end of loading; painting waits for it.
    bool IsReady() const;

    // --- messages ----------------------------------------------------------
    TWndMethod WindowProc;
    intptr_t Perform(uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
    virtual void WndProc(TMessage& m);
    virtual void DefaultHandler(TMessage& m);

    // --- painting ----------------------------------------------------------
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Brings the control to the top (or bottom) of its parent's z-order.
    void BringToFront();
    void SendToBack();

    // The form that holds the control (itself for a form).
    TCustomForm* GetParentForm() const;
    virtual bool IsWindowed() const { return false; }

    void Loaded() override;

    // --- events ------------------------------------------------------------
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;

    virtual void Click();

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void DblClick();
    virtual void Resize();
    // Bounds changed from old; the control and its parent react.
    virtual void BoundsChanged(const TRect& old);
    virtual void VisibleChanging() {}
    // Text, font, colour changed: the framework notifications follow.
    virtual void TextChanged() {}
    void FontChanged();
    // Requests that the parent realign its children.
    void RequestAlign();
    // Invalidates a rectangle of the parent's client area.
    void InvalidateInParent(const TRect& r, bool erase);

    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TWinControl* FParent = nullptr;
    bool FVisible = true;
    bool FEnabled = true;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState FControlState = 0;

private:
    friend class TControlRef;
    friend class TWinControl;
    void HandleMouseMessage(TMessage& m);
    bool HandleNotification(TMessage& m);
    void ParentFontChanged();
    void ParentColorChanged();

    std::string FText;
    TColor FColor;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFontUpdating = false;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    intptr_t FTag = 0;
    TAlign FAlign = alNone;
    std::shared_ptr<TControl*> FAliveToken;
};

// Shift state from the MK_ flags of a mouse message and the keyboard modifiers.
TShiftState MouseShiftState(uintptr_t mk);
TShiftState KeyShiftState();

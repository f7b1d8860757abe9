// TWinControl: handle, children and z-order, bounds and non-client area,
// window region, alignment and the default window procedure. Focus and keys
// are in TWinControlInput.cpp, painting in TWinControlPaint.cpp.

#include "window/TWinControl.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "forms/TCustomForm.h"
#include "window/WinApi.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
    FHandle = AllocateHWnd(this);
    FControlStyle |= csAcceptsControls;
}

TWinControl::~TWinControl() {
    MarkDestroying();
    // Children owned elsewhere (or destroyed after us by our owner) must not
    // reach back into a parent that is going away.
    for (TControl* c : FControls)
        c->FParent = nullptr;
    FControls.clear();
    FTabList.clear();
    DeallocateHWnd(FHandle);
}

const TClassInfo* TWinControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TWinControl";
        i.Parent = TControl::StaticClassInfo();
        i.Props = {
            IntProp("TabOrder", &TWinControl::SetTabOrder),
            BoolProp("TabStop", &TWinControl::SetTabStop),
            IntProp("BorderWidth", &TWinControl::SetBorderWidth),
            EventProp("OnEnter", &TWinControl::OnEnter),
            EventProp("OnExit", &TWinControl::OnExit),
        };
        return i;
    }();
    return &info;
}

const TClassInfo* TWinControl::ClassInfo() const {
    return StaticClassInfo();
}

// --- children ----------------------------------------------------------------

void TWinControl::InsertControl(TControl* c) {
    if (!c || c->FParent == this) return;
    c->FParent = this;
    FControls.push_back(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) FTabList.push_back(w);
    if (!c->IsLoading()) {
        if (c->ParentColor()) c->ParentColorChanged();
        if (c->ParentFont()) c->ParentFontChanged();
        if (c->ParentShowHint()) c->FShowHint = ShowHint();
    }
    if (c->Visible()) {
        c->Invalidate();
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->InvalidateFrame();
    }
    Perform(CM_CONTROLCHANGE, reinterpret_cast<uintptr_t>(c), 1);
    if (c->Align() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* c) {
    auto it = std::find(FControls.begin(), FControls.end(), c);
    if (it == FControls.end()) return;
    if (c->Visible() && !IsDestroying()) {
        TRect r = c->BoundsRect();
        InvalidateRect(&r, true);
    }
    if (!IsDestroying()) Perform(CM_CONTROLCHANGE, reinterpret_cast<uintptr_t>(c), 0);
    FControls.erase(std::find(FControls.begin(), FControls.end(), c));
    auto t = std::find(FTabList.begin(), FTabList.end(), c);
    if (t != FTabList.end()) FTabList.erase(t);
    c->FParent = nullptr;
    if (TCustomForm* form = GetParentForm(); form && !form->IsDestroying()) form->ControlRemoved(c);
    if (c->Align() != alNone && !IsDestroying()) AlignControls();
}

bool TWinControl::ContainsControl(const TControl* c) const {
    for (; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (w && !allowWinControls) continue;
        if (!c->BoundsRect().Contains(p)) continue;
        TPoint local{p.X - c->Left(), p.Y - c->Top()};
        if (w && w->WindowRgn() && !w->WindowRgn()->Contains(local)) continue;
        if (c->Perform(CM_HITTEST, 0, PointToLParam(local)) == 0) continue;
        return c;
    }
    return nullptr;
}

void TWinControl::SetChildOrder(TControl* c, int index) {
    auto it = std::find(FControls.begin(), FControls.end(), c);
    if (it == FControls.end()) return;
    FControls.erase(it);
    index = std::clamp(index, 0, static_cast<int>(FControls.size()));
    FControls.insert(FControls.begin() + index, c);
    c->Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->InvalidateFrame();
}

void TWinControl::Broadcast(TMessage& m) {
    // A copy: a handler may add or remove controls.
    std::vector<TControlRef> list(FControls.begin(), FControls.end());
    for (const TControlRef& r : list) {
        TControl* c = r.Get();
        if (!c) continue;
        c->WindowProc(m);
        if (m.Result != 0) return;
    }
}

void TWinControl::AlignControls() {
    if (FControlState & csAligning) return;
    bool any = std::any_of(FControls.begin(), FControls.end(),
                           [](TControl* c) { return c->Align() != alNone; });
    if (!any) return;
    FControlState |= csAligning;
    TRect r = AlignRect();
    const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign a : order) {
        for (TControl* c : FControls) {
            if (c->Align() != a || !c->Visible()) continue;
            switch (a) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
                r.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
                r.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
                r.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
                r.Right -= c->Width();
                break;
            default:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            }
        }
    }
    FControlState &= ~csAligning;
}

// --- bounds and non-client area --------------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    TWindowPos pos{FHandle, left, top, width, height, SWP_NOZORDER};
    if (left == FLeft && top == FTop) pos.flags |= SWP_NOMOVE;
    if (width == FWidth && height == FHeight) pos.flags |= SWP_NOSIZE;
    Perform(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<intptr_t>(&pos));
    TControl::SetBounds(pos.x, pos.y, pos.cx, pos.cy);
}

void TWinControl::BoundsChanged(const TRect& old) {
    bool sized = old.Width() != FWidth || old.Height() != FHeight;
    if (FParent && FVisible) {
        InvalidateInParent(old, true);
        InvalidateInParent(BoundsRect(), true);
    }
    if (sized) RecalcNonClient();
    InvalidateRect(nullptr, true);
    InvalidateFrame();
    TWindowPos pos{FHandle, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER};
    if (old.Left == FLeft && old.Top == FTop) pos.flags |= SWP_NOMOVE;
    if (!sized) pos.flags |= SWP_NOSIZE;
    Perform(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<intptr_t>(&pos));
    if (sized) {
        AlignControls();
        Resize();
    }
    RequestAlign();
}

void TWinControl::SetClientSize(int width, int height) {
    SetBounds(FLeft, FTop, width + (FWidth - ClientWidth()), height + (FHeight - ClientHeight()));
}

TRect TWinControl::ClientRect() const {
    return Rect(0, 0, FClientInWindow.Width(), FClientInWindow.Height());
}

TPoint TWinControl::ClientOrigin() const {
    TPoint p;
    if (FParent) {
        TPoint po = FParent->ClientOrigin();
        p = {po.X + FLeft, po.Y + FTop};
    } else {
        p = {FLeft, FTop};
    }
    return {p.X + FClientInWindow.Left, p.Y + FClientInWindow.Top};
}

void TWinControl::SetBorderWidth(int w) {
    if (w == FBorderWidth) return;
    FBorderWidth = w;
    RecalcNonClient();
    Perform(CM_BORDERCHANGED);
}

TRect TWinControl::NonClientInsets() const {
    return Rect(FBorderWidth, FBorderWidth, FBorderWidth, FBorderWidth);
}

void TWinControl::RecalcNonClient() {
    TNCCalcSizeParams p;
    p.rgrc[0] = BoundsRect();
    Perform(WM_NCCALCSIZE, 0, reinterpret_cast<intptr_t>(&p));
    TRect c = p.rgrc[0];
    TRect r{c.Left - FLeft, c.Top - FTop, c.Right - FLeft, c.Bottom - FTop};
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    bool changed = !(r == FClientInWindow);
    FClientInWindow = r;
    if (changed) {
        InvalidateFrame();
        InvalidateRect(nullptr, true);
        AlignControls();
    }
}

void TWinControl::WMNCCalcSize(TMessage& m) {
    auto* p = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
    TRect in = NonClientInsets();
    TRect& r = p->rgrc[0];
    r = {r.Left + in.Left, r.Top + in.Top, r.Right - in.Right, r.Bottom - in.Bottom};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
}

void TWinControl::SetWindowRgn(const TRegion* rgn, bool redraw) {
    TRegion old = FWindowRgn ? *FWindowRgn : TRegion(Rect(0, 0, FWidth, FHeight));
    if (rgn)
        FWindowRgn = *rgn;
    else
        FWindowRgn.reset();
    if (redraw) {
        // What the old shape covered shows the parent again; the new one repaints.
        if (FParent) {
            old.Offset(FLeft, FTop);
            FParent->InvalidateRegion(old, true);
        }
        InvalidateFrame();
        InvalidateRect(nullptr, true);
    }
    WindowRgnChanged();
}

// --- state -------------------------------------------------------------------

void TWinControl::SetParent(TWinControl* parent) {
    TControl::SetParent(parent);
    if (FClientInWindow.IsEmpty() && (FWidth > 0 || FHeight > 0)) RecalcNonClient();
}

void TWinControl::SetVisible(bool v) {
    if (v == FVisible) return;
    TCustomForm* form = GetParentForm();
    if (!v && form && form != this && ContainsControl(form->FocusedControl()))
        form->FocusedControlHidden(this);
    TControl::SetVisible(v);
    if (v) {
        InvalidateRect(nullptr, true);
        InvalidateFrame();
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (FLoadedTabOrder >= 0) {
        int order = FLoadedTabOrder;
        FLoadedTabOrder = -1;
        SetTabOrder(order);
    }
    RecalcNonClient();
    AlignControls();
}

// --- messages ----------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        WMPaint(m);
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case CM_ENTER:
    case CM_EXIT:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        HandleKeyMessage(m);
        return;
    case CM_COLORCHANGED:
        Invalidate();
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        Perform(WM_SETFONT, 0, reinterpret_cast<intptr_t>(Font()));
        Invalidate();
        for (TControl* c : std::vector<TControl*>(FControls))
            c->Perform(CM_PARENTFONTCHANGED);
        return;
    case CM_SHOWHINTCHANGED:
        for (TControl* c : std::vector<TControl*>(FControls))
            if (c->ParentShowHint() && c->ShowHint() != ShowHint()) {
                c->SetShowHint(ShowHint());
                c->FParentShowHint = true;
            }
        return;
    case CM_ENABLEDCHANGED:
        if (!FEnabled) {
            TCustomForm* form = GetParentForm();
            if (form && form != this && ContainsControl(form->FocusedControl()))
                form->FocusedControlHidden(this);
        }
        Invalidate();
        return;
    default:
        TControl::WndProc(m);
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        TControl::DefaultHandler(m);
        InvalidateFrame();
        break;
    case WM_NCCALCSIZE:
        WMNCCalcSize(m);
        break;
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(FHandle);
        if (dc) {
            PaintNonClient(dc);
            ReleaseDC(FHandle, dc);
        }
        break;
    }
    case WM_ERASEBKGND:
        EraseBackground(WParamToDC(m.WParam));
        m.Result = 1;
        break;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<TWindowPos*>(m.LParam);
        if (pos && !(pos->flags & SWP_NOMOVE))
            Perform(WM_MOVE, 0,
                    MakeLParam(ClientOrigin().X - (FParent ? FParent->ClientOrigin().X : 0),
                               ClientOrigin().Y - (FParent ? FParent->ClientOrigin().Y : 0)));
        if (pos && !(pos->flags & SWP_NOSIZE))
            Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(ClientWidth(), ClientHeight()));
        break;
    }
    case WM_NCHITTEST: {
        TPoint p = ScreenToClient(LParamToPoint(m.LParam));
        m.Result = ClientRect().Contains(p) ? HTCLIENT : HTBORDER;
        break;
    }
    case WM_GETDLGCODE:
        m.Result = 0;
        break;
    default:
        TControl::DefaultHandler(m);
        break;
    }
}

void TWinControl::PaintNonClient(HDC) {}

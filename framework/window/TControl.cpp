#include "window/TControl.h"

#include "component/PropertyHelpers.h"
#include "forms/TCustomForm.h"
#include "graphics/Graphics.h"
#include "platform/VirtualKeys.h"
#include "window/TWinControl.h"
#include "window/WinApi.h"

namespace {
std::vector<std::pair<std::string, int64_t>> CursorIdents() {
    return {{"crDefault", crDefault},     {"crNone", crNone},         {"crArrow", crArrow},
            {"crCross", crCross},         {"crIBeam", crIBeam},       {"crSizeNESW", crSizeNESW},
            {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE}, {"crSizeWE", crSizeWE},
            {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll}};
}
} // namespace

TControlRef::TControlRef(TControl* c) {
    if (c) FToken = c->FAliveToken;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FColor(clBtnFace), FFont(std::make_unique<TFont>()),
      FAliveToken(std::make_shared<TControl*>(this)) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
    MarkDestroying();
    *FAliveToken = nullptr;
    if (FParent) FParent->RemoveControl(this);
}

const TClassInfo* TControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TControl";
        i.Parent = TComponent::StaticClassInfo();
        i.Props = {
            IntProp("Left", &TControl::SetLeft),
            IntProp("Top", &TControl::SetTop),
            IntProp("Width", &TControl::SetWidth),
            IntProp("Height", &TControl::SetHeight),
            EnumProp("Align", &TControl::SetAlign,
                     {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}),
            StrProp("Caption", &TControl::SetCaption),
            ColorProp("Color", &TControl::SetColor),
            IntProp("Cursor", &TControl::SetCursor, CursorIdents()),
            BoolProp("Enabled", &TControl::SetEnabled),
            ObjectProp("Font", &TControl::Font),
            StrProp("Hint", &TControl::SetHint),
            BoolProp("ParentColor", &TControl::SetParentColor),
            BoolProp("ParentFont", &TControl::SetParentFont),
            BoolProp("ParentShowHint", &TControl::SetParentShowHint),
            BoolProp("ShowHint", &TControl::SetShowHint),
            IntProp("Tag", &TControl::SetTag),
            BoolProp("Visible", &TControl::SetVisible),
            EventProp("OnClick", &TControl::OnClick),
            EventProp("OnDblClick", &TControl::OnDblClick),
            EventProp("OnMouseEnter", &TControl::OnMouseEnter),
            EventProp("OnMouseLeave", &TControl::OnMouseLeave),
            EventProp("OnResize", &TControl::OnResize),
        };
        return i;
    }();
    return &info;
}

const TClassInfo* TControl::ClassInfo() const {
    return StaticClassInfo();
}

// --- tree and bounds ---------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) return;
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    TRect old = BoundsRect();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    BoundsChanged(old);
}

void TControl::BoundsChanged(const TRect& old) {
    if (FParent && FVisible) {
        bool erase = true;
        InvalidateInParent(old, erase);
        InvalidateInParent(BoundsRect(), erase);
    }
    if (old.Width() != FWidth || old.Height() != FHeight) Resize();
    RequestAlign();
}

void TControl::SetClientSize(int width, int height) {
    SetBounds(FLeft, FTop, width, height);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

TPoint TControl::OriginInForm() const {
    if (!FParent) return {0, 0};
    TPoint p = FParent->OriginInForm();
    TRect ci = FParent->ClientInWindow();
    return {p.X + ci.Left + FLeft, p.Y + ci.Top + FTop};
}

void TControl::SetAlign(TAlign a) {
    if (a == FAlign) return;
    FAlign = a;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (FParent && !FParent->IsLoading()) FParent->AlignControls();
}

// --- state -------------------------------------------------------------------

void TControl::SetVisible(bool v) {
    if (v == FVisible) return;
    VisibleChanging();
    FVisible = v;
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    if (FParent) InvalidateInParent(BoundsRect(), true);
    RequestAlign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& s) {
    if (s == FText) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<intptr_t>(s.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor c) {
    if (c == FColor) {
        FParentColor = false;
        return;
    }
    FColor = c;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    if (v == FParentColor) return;
    FParentColor = v;
    if (v && FParent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent) return;
    if (FColor != FParent->Color()) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetParentFont(bool v) {
    if (v == FParentFont) return;
    FParentFont = v;
    if (v && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FFontUpdating = true;
    FFont->Assign(*FParent->Font());
    FFontUpdating = false;
}

void TControl::FontChanged() {
    if (!FFontUpdating) FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor c) {
    if (c == FCursor) return;
    FCursor = c;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool v) {
    FShowHint = v;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
    if (v == FParentShowHint) return;
    FParentShowHint = v;
    if (v && FParent) {
        FShowHint = FParent->ShowHint();
        Perform(CM_SHOWHINTCHANGED);
    }
}

bool TControl::IsReady() const {
    return !IsLoading() && !IsDestroying() && !(FControlState & csCreating) && FParent != nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent) {
        if (FParentColor) ParentColorChanged();
        if (FParentFont) ParentFontChanged();
    }
}

// --- painting ----------------------------------------------------------------

void TControl::InvalidateInParent(const TRect& r, bool erase) {
    if (FParent) FParent->InvalidateRect(&r, erase);
}

void TControl::Invalidate() {
    if (FVisible) InvalidateInParent(BoundsRect(), !(FControlStyle & csOpaque));
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (FParent) FParent->SetChildOrder(this, FParent->ControlCount() - 1);
}

void TControl::SendToBack() {
    if (FParent) FParent->SetChildOrder(this, 0);
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* c = this;
    while (c->FParent)
        c = c->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// --- messages ----------------------------------------------------------------

intptr_t TControl::Perform(uint32_t msg, uintptr_t wparam, intptr_t lparam) {
    TMessage m;
    m.Msg = msg;
    m.WParam = wparam;
    m.LParam = lparam;
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) {
        HandleMouseMessage(m);
        return;
    }
    if (HandleNotification(m)) return;
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        FText = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        m.Result = 1;
        break;
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<intptr_t>(FText.size());
        break;
    default:
        break;
    }
}

bool TControl::HandleNotification(TMessage& m) {
    switch (m.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        return true;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return true;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return true;
    case CM_MOUSEENTER:
        if (OnMouseEnter) OnMouseEnter(this);
        return true;
    case CM_MOUSELEAVE:
        if (OnMouseLeave) OnMouseLeave(this);
        return true;
    case CM_HITTEST:
        m.Result = HTCLIENT;
        return true;
    default:
        return false;
    }
}

void TControl::HandleMouseMessage(TMessage& m) {
    TPoint p = LParamToPoint(m.LParam);
    TShiftState shift = MouseShiftState(m.WParam);
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, p.X, p.Y);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FControlStyle & csCaptureMouse) SetCaptureControl(this);
        FControlState |= csLButtonDown | csClicked;
        if (m.Msg == WM_LBUTTONDBLCLK) {
            DblClick();
            shift |= ssDouble;
        }
        MouseDown(mbLeft, shift, p.X, p.Y);
        break;
    case WM_LBUTTONUP:
        FControlState &= ~csLButtonDown;
        if ((FControlStyle & csCaptureMouse) && GetCaptureControl() == this) ReleaseCapture();
        if (FControlState & csClicked) {
            FControlState &= ~csClicked;
            if (ClientRect().Contains(p)) Click();
        }
        MouseUp(mbLeft, shift, p.X, p.Y);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift | (m.Msg == WM_RBUTTONDBLCLK ? TShiftState(ssDouble) : 0u), p.X,
                  p.Y);
        break;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, p.X, p.Y);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(mbMiddle, shift | (m.Msg == WM_MBUTTONDBLCLK ? TShiftState(ssDouble) : 0u), p.X,
                  p.Y);
        break;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, p.X, p.Y);
        break;
    default:
        DefaultHandler(m);
        break;
    }
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

TShiftState MouseShiftState(uintptr_t mk) {
    TShiftState s = 0;
    if (mk & MK_SHIFT) s |= ssShift;
    if (mk & MK_CONTROL) s |= ssCtrl;
    if (mk & MK_LBUTTON) s |= ssLeft;
    if (mk & MK_RBUTTON) s |= ssRight;
    if (mk & MK_MBUTTON) s |= ssMiddle;
    if (IsKeyDown(VK_MENU)) s |= ssAlt;
    return s;
}

TShiftState KeyShiftState() {
    TShiftState s = 0;
    if (IsKeyDown(VK_SHIFT)) s |= ssShift;
    if (IsKeyDown(VK_CONTROL)) s |= ssCtrl;
    if (IsKeyDown(VK_MENU)) s |= ssAlt;
    return s;
}

// TCustomForm: host input turned into window messages. Mouse messages go to
// the capture control, else to the deepest visible, enabled control under the
// pointer (or, outside the client area, to the form as non-client messages);
// keys go to the focused control after the dialog-key check.

#include "forms/TApplication.h"
#include "forms/TCustomForm.h"
#include "forms/TScreen.h"
#include "platform/VirtualKeys.h"
#include "window/WinApi.h"

namespace {
uint32_t ButtonMessage(int button, bool down, bool dbl) {
    switch (button) {
    case mbRight:
        return down ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
    case mbMiddle:
        return down ? (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
    default:
        return down ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
    }
}

uint32_t ButtonMask(int button) {
    switch (button) {
    case mbRight:
        return MK_RBUTTON;
    case mbMiddle:
        return MK_MBUTTON;
    default:
        return MK_LBUTTON;
    }
}

uint32_t MouseKeys(unsigned modifiers) {
    uint32_t mk = MouseButtonsDown();
    if (modifiers & kmShift) mk |= MK_SHIFT;
    if (modifiers & kmCtrl) mk |= MK_CONTROL;
    return mk;
}

TCursorShape ShapeOf(TCursor c) {
    switch (c) {
    case crHandPoint:
        return TCursorShape::csHand;
    case crIBeam:
        return TCursorShape::csIBeam;
    case crSizeWE:
        return TCursorShape::csSizeWE;
    case crSizeNS:
        return TCursorShape::csSizeNS;
    case crSizeNWSE:
        return TCursorShape::csSizeNWSE;
    case crSizeNESW:
        return TCursorShape::csSizeNESW;
    case crSizeAll:
        return TCursorShape::csSizeAll;
    case crHourGlass:
        return TCursorShape::csWait;
    default:
        return TCursorShape::csArrow;
    }
}

TCursor HitCursor(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return crSizeWE;
    case HTTOP:
    case HTBOTTOM:
        return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return crSizeNESW;
    default:
        return crDefault;
    }
}

TControlRef& Hover() {
    static TControlRef hover;
    return hover;
}
} // namespace

void TCustomForm::HandleHostEvent(const TEvent& e) {
    SetKeyboardModifiers(e.Modifiers);
    TControlRef self(this);
    auto* grab = dynamic_cast<TCustomForm*>(GetCaptureControl());
    if (grab && (grab == this || !grab->TakesKeys())) grab = nullptr;
    switch (e.Kind) {
    case TEventKind::ekMouseMove:
    case TEventKind::ekMouseDown:
    case TEventKind::ekMouseUp:
    case TEventKind::ekMouseWheel:
        // A popup that takes the keys (a menu) sees every press, also those
        // that the window system reported to the window it opened from.
        if (grab) {
            TEvent moved = e;
            moved.X = e.ScreenX - grab->Left();
            moved.Y = e.ScreenY - grab->Top();
            grab->HandleHostEvent(moved);
            break;
        }
        SetLastCursorPos({e.ScreenX, e.ScreenY});
        HandleMouse(e);
        break;
    case TEventKind::ekMouseEnter:
        break;
    case TEventKind::ekMouseLeave:
        if (Hover() && Hover()->GetParentForm() == this) UpdateHover(nullptr);
        // A hint waiting to show, or showing, belongs to a control the
        // pointer has just left with the window.
        if (Application) Application->HintMouseMessage(nullptr, GetCursorPos());
        Perform(WM_MOUSELEAVE);
        break;
    case TEventKind::ekKeyDown:
    case TEventKind::ekKeyUp:
    case TEventKind::ekTextInput:
        // A popup that holds the mouse and wants the keyboard (a menu) takes the keys.
        if (grab) {
            grab->HandleHostEvent(e);
            break;
        }
        if (e.Kind == TEventKind::ekTextInput)
            HandleText(e);
        else
            HandleKey(e);
        break;
    case TEventKind::ekFocusIn:
        if (FVisible && !FActive) Activate(false);
        break;
    case TEventKind::ekFocusOut:
        if (FActive) {
            SetActive(false);
            if (Screen && Screen->ActiveForm() == this) Screen->SetActiveForm(nullptr);
        }
        break;
    case TEventKind::ekCloseRequest:
        Perform(WM_SYSCOMMAND, SC_CLOSE);
        break;
    case TEventKind::ekExpose:
        FPresentRgn.Union(Rect(0, 0, FWidth, FHeight));
        break;
    case TEventKind::ekMoved:
        FSyncingFromHost = true;
        SetBounds(e.X, e.Y, FWidth, FHeight);
        if (!self) break;
        FSyncingFromHost = false;
        // The form may have placed itself elsewhere (snapping to the screen's edges).
        if (FHostWindow && (FLeft != e.X || FTop != e.Y)) FHostWindow->SetBounds(BoundsRect());
        break;
    case TEventKind::ekResized:
        FSyncingFromHost = true;
        SetBounds(FLeft, FTop, e.X, e.Y);
        if (self) FSyncingFromHost = false;
        break;
    default:
        break;
    }
}

TControl* TCustomForm::MouseTarget(TPoint p) const {
    TPoint local{p.X - ClientInWindow().Left, p.Y - ClientInWindow().Top};
    const TWinControl* container = this;
    TControl* found = const_cast<TCustomForm*>(this);
    for (;;) {
        TControl* c = container->ControlAtPos(local, false, true);
        if (!c) return found;
        found = c;
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w) return found;
        TPoint inner{local.X - c->Left() - w->ClientInWindow().Left,
                     local.Y - c->Top() - w->ClientInWindow().Top};
        if (!w->ClientRect().Contains(inner)) return found;
        container = w;
        local = inner;
    }
}

void TCustomForm::UpdateHover(TControl* target) {
    TControl* old = Hover().Get();
    if (old == target) return;
    Hover() = target;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (target && Hover().Get() == target) target->Perform(CM_MOUSEENTER);
}

void TCustomForm::UpdateCursor(TControl* target, int hit) {
    if (!FHostWindow) return;
    TCursor c = Screen ? Screen->Cursor() : crDefault;
    if (c == crDefault) c = HitCursor(hit);
    for (TControl* x = target; c == crDefault && x; x = x->Parent())
        c = x->Cursor();
    FHostWindow->SetCursor(ShapeOf(c));
}

void TCustomForm::HandleMouse(const TEvent& e) {
    TPoint p{e.X, e.Y}, screen{e.ScreenX, e.ScreenY};
    bool down = e.Kind == TEventKind::ekMouseDown;
    if (down) SetMouseButtonDown(ButtonMask(e.Button), true);
    uint32_t mk = MouseKeys(e.Modifiers);
    if (e.Kind == TEventKind::ekMouseUp) SetMouseButtonDown(ButtonMask(e.Button), false);
    TControlRef self(this);

    if (down && HostWindowKind() == TWindowKind::wkNormal && !FActive) Activate();
    if (!self || FrameMouse(e, p, screen)) return;

    TControl* capture = GetCaptureControl();
    if (capture && capture->GetParentForm() != this) capture = nullptr;
    TControl* target = capture;
    if (!target) {
        int hit = static_cast<int>(Perform(WM_NCHITTEST, 0, PointToLParam(screen)));
        if (!self) return;
        if (hit != HTCLIENT) {
            UpdateHover(nullptr);
            UpdateCursor(nullptr, hit);
            RouteNonClientMouse(e, hit);
            return;
        }
        target = MouseTarget(p);
    }
    TControl* under = capture ? MouseTarget(p) : target;
    if (!Rect(0, 0, FWidth, FHeight).Contains(p)) under = nullptr;
    TControlRef targetRef(target);
    UpdateHover(under);
    if (!targetRef) return;
    UpdateCursor(under ? under : target, HTCLIENT);
    // The hint goes by where the event says the pointer is in this window:
    // the window system's global pointer position can lag behind events
    // that did not come from a device (a remote or synthetic pointer).
    if (Application && e.Kind == TEventKind::ekMouseMove)
        Application->HintMouseMessage(under, {Left() + e.X, Top() + e.Y});
    if (Application && (down || e.Kind == TEventKind::ekMouseWheel)) Application->CancelHint();
    SendClientMouse(target, e, mk, screen);
}

// While the form is being moved or sized, or a title button is held, the
// mouse belongs to the frame; true when it took the event.
bool TCustomForm::FrameMouse(const TEvent& e, TPoint p, TPoint screen) {
    bool up = e.Kind == TEventKind::ekMouseUp;
    if (FDrag.Mode != fdNone) {
        // The release places the window too: a pointer that jumps (a warp) may
        // report no motion in between.
        if (e.Kind == TEventKind::ekMouseMove || up) DragTo(screen);
        if (up) EndDrag();
        return true;
    }
    if (FNCPressed == HTNOWHERE) return false;
    int hit = HitTest(p);
    if (e.Kind == TEventKind::ekMouseMove) {
        bool inside = hit == FNCPressed;
        if (inside != FNCPressedInside) {
            FNCPressedInside = inside;
            InvalidateFrame();
        }
    } else if (up) {
        Perform(WM_NCLBUTTONUP, static_cast<uintptr_t>(hit), PointToLParam(screen));
    }
    return true;
}

// The client-area message for the event, to the target; a wheel message not
// taken by the target goes up its parents.
void TCustomForm::SendClientMouse(TControl* target, const TEvent& e, uint32_t mk, TPoint screen) {
    TPoint local = target->ScreenToClient(screen);
    switch (e.Kind) {
    case TEventKind::ekMouseMove:
        target->Perform(WM_MOUSEMOVE, mk, PointToLParam(local));
        break;
    case TEventKind::ekMouseDown: {
        bool dbl = e.Clicks >= 2 && (target->ControlStyle() & csDoubleClicks);
        target->Perform(ButtonMessage(e.Button, true, dbl), mk, PointToLParam(local));
        break;
    }
    case TEventKind::ekMouseUp:
        target->Perform(ButtonMessage(e.Button, false, false), mk, PointToLParam(local));
        break;
    case TEventKind::ekMouseWheel: {
        uintptr_t w =
            (static_cast<uintptr_t>(static_cast<uint16_t>(e.WheelDelta * WHEEL_DELTA)) << 16) | mk;
        TControlRef r(target);
        while (r && r->Perform(WM_MOUSEWHEEL, w, PointToLParam(screen)) == 0 && r->Parent())
            r = r->Parent();
        break;
    }
    default:
        break;
    }
}

void TCustomForm::RouteNonClientMouse(const TEvent& e, int hit) {
    intptr_t pos = PointToLParam({e.ScreenX, e.ScreenY});
    uintptr_t code = static_cast<uintptr_t>(hit);
    bool dbl = e.Clicks >= 2;
    switch (e.Kind) {
    case TEventKind::ekMouseMove:
        Perform(WM_NCMOUSEMOVE, code, pos);
        break;
    case TEventKind::ekMouseDown:
        if (e.Button == mbLeft)
            Perform(dbl ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN, code, pos);
        else if (e.Button == mbRight)
            Perform(dbl ? WM_NCRBUTTONDBLCLK : WM_NCRBUTTONDOWN, code, pos);
        break;
    case TEventKind::ekMouseUp:
        if (e.Button == mbLeft)
            Perform(WM_NCLBUTTONUP, code, pos);
        else if (e.Button == mbRight)
            Perform(WM_NCRBUTTONUP, code, pos);
        break;
    default:
        break;
    }
}

// --- keyboard --------------------------------------------------------------------

void TCustomForm::HandleKey(const TEvent& e) {
    if (Application) Application->CancelHint();
    intptr_t keyData = 1;
    if (e.Modifiers & kmAlt) keyData |= KF_ALTDOWN;
    if (e.Repeat) keyData |= KF_REPEAT;
    if (e.Kind == TEventKind::ekKeyDown) {
        DispatchKeyDown(e.Key, keyData);
        return;
    }
    TWinControl* target = FocusedControl();
    if (!target) target = this;
    target->Perform((e.Modifiers & kmAlt) ? WM_SYSKEYUP : WM_KEYUP, static_cast<uintptr_t>(e.Key),
                    keyData);
}

void TCustomForm::DispatchKeyDown(int key, intptr_t keyData) {
    TWinControl* target = FocusedControl();
    if (!target) target = this;
    TControlRef ref(target), self(this);
    uint32_t mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (target->Perform(CM_CHILDKEY, static_cast<uintptr_t>(key),
                        reinterpret_cast<intptr_t>(target)) != 0)
        return;
    if (!ref || !self) return;
    if (mask && target->Perform(CM_WANTSPECIALKEY, static_cast<uintptr_t>(key)) == 0 &&
        (static_cast<uint32_t>(target->Perform(WM_GETDLGCODE)) & (mask | DLGC_WANTALLKEYS)) == 0 &&
        Perform(CM_DIALOGKEY, static_cast<uintptr_t>(key), keyData) != 0)
        return;
    if (!ref || !self) return;
    bool alt = keyData & KF_ALTDOWN;
    intptr_t r =
        target->Perform(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<uintptr_t>(key), keyData);
    // The window's own keys, as the platform's default handling gives them:
    // Alt+F4 closes, Alt+Space opens the system menu.
    if (alt && self && (key == VK_F4 || key == VK_SPACE)) {
        Perform(WM_SYSCOMMAND, key == VK_F4 ? SC_CLOSE : SC_KEYMENU, key == VK_F4 ? 0 : ' ');
        return;
    }
    // Keys that type a control character, as the platform's translation does.
    if (r == 0 && ref && self && !alt &&
        (key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE))
        DispatchChar(static_cast<uint32_t>(key), keyData);
}

void TCustomForm::DispatchChar(uint32_t ch, intptr_t keyData) {
    TWinControl* target = FocusedControl();
    if (!target) target = this;
    TControlRef ref(target), self(this);
    bool wantsChars = static_cast<uint32_t>(target->Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS;
    if ((!wantsChars || (keyData & KF_ALTDOWN)) && ref && self &&
        Perform(CM_DIALOGCHAR, ch, keyData) != 0)
        return;
    if (ref) target->Perform((keyData & KF_ALTDOWN) ? WM_SYSCHAR : WM_CHAR, ch, keyData);
}

void TCustomForm::HandleText(const TEvent& e) {
    const std::string& s = e.Text;
    intptr_t keyData = (e.Modifiers & kmAlt) ? KF_ALTDOWN | 1 : 1;
    TControlRef self(this);
    for (size_t i = 0; i < s.size() && self;) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
        uint32_t cp = len == 1 ? c : c & (0x3F >> (len - 1));
        for (int k = 1; k < len && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        DispatchChar(cp, keyData);
    }
}

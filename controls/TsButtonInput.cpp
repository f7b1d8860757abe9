// The skinned button's window procedure and state machine: skin commands,
// the events that change its look, the mouse and keys that press and click
// it, the default button's highlight, and its fades.

#include "controls/FadeFrame.h"
#include "controls/TsButton.h"
#include "controls/TsFadeTimer.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TCustomForm.h"
#include "framework/window/WinApi.h"
#include "platform/TRegion.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinCommands.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"

namespace {

constexpr intptr_t AnswerYes = 1;
constexpr intptr_t Erased = 1;
constexpr intptr_t Consumed = 1;
constexpr uint32_t SpaceChar = ' ';

const TsGeneralData* SectionOf(const TsCommonData& data) {
    return IsValidSkinIndex(data.SkinIndex) ? &SkinGeneralData[data.SkinIndex] : nullptr;
}

bool IsMousePress(uint32_t msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsMouseRelease(uint32_t msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

// Whether a focusable button of the form is its Default one: Enter is then
// that button's alone.
bool HasDefaultButton(const TWinControl* parent) {
    for (TControl* c : parent->ControlList()) {
        if (auto* b = dynamic_cast<TButton*>(c); b && b->Default() && b->CanFocus()) return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && HasDefaultButton(w)) return true;
    }
    return false;
}

} // namespace

void TsButton::WndProc(TMessage& m) {
    if (!SkinData()) return Inherited(m);
    if (IsSkinMessage(m) && SkinCommand(m)) return;
    if (!IsReady() || !SkinData()->Skinned()) return Inherited(m);
    TControlRef self(this);
    // A click may free the button.
    if ((!IsSkinMessage(m) && SkinnedMessage(m)) || !self) return;
    if (!SkinData()->HandleWindowMessage(m)) Inherited(m);
    if (!self) return;
    switch (m.Msg) {
    case WM_SETFONT:
        SkinData()->Invalidate();
        break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
        SkinData()->BGChanged = true;
        Repaint();
        break;
    default:
        break;
    }
}

bool TsButton::SkinCommand(TMessage& m) {
    TsCommonData& data = *SkinData();
    switch (SkinCommandCode(m)) {
    case SKC_SETNEWSKIN:
        // A fade under way blends pictures of the skin that is going.
        StopFade();
        data.HandleCommand(m);
        return true;
    case SKC_REMOVESKIN: {
        StopFade();
        data.HandleCommand(m);
        const TRegion whole(Rect(0, 0, Width(), Height()));
        SetWindowRgn(&whole, true);
        return true;
    }
    case SKC_REFRESH:
        data.HandleCommand(m);
        FState.RegionChanged = true;
        Repaint();
        return true;
    case SKC_ISSKINNED:
        m.LParam = m.Result = AnswerYes;
        return true;
    default:
        break;
    }
    if (!IsReady() || !data.Skinned()) return false;
    switch (SkinCommandCode(m)) {
    case SKC_REPAINT:
        Repaint();
        return true;
    case SKC_SETFROZEN:
        if (data.Frozen) PrepareCache(*this);
        data.HandleCommand(m);
        return true;
    case SKC_FADEDONE:
        StopFade();
        return true;
    default:
        return false;
    }
}

// The messages the skinned button takes itself; true when nothing else may
// see them.
bool TsButton::SkinnedMessage(TMessage& m) {
    if (IsMousePress(m.Msg)) return MousePress(m);
    if (IsMouseRelease(m.Msg)) return MouseRelease(m);
    switch (m.Msg) {
    case BM_SETSTATE:
        return true;
    case WM_ERASEBKGND:
        m.Result = Erased;
        return true;
    case WM_PAINT:
        SkinPaintMessage(*this, m);
        return true;
    case WM_MOVE: {
        const TsGeneralData* s = SectionOf(*SkinData());
        const bool hot = SkinData()->ControlIsActive() || FState.DefaultActive;
        if (s && (s->Transparency > 0 || (hot && s->HotTransparency > 0))) {
            SkinData()->BGChanged = true;
            Repaint();
        }
        return false;
    }
    case WM_SIZE:
        FState.RegionChanged = true;
        return false;
    case WM_SETFOCUS:
    case CM_ENTER:
        FocusGained(m);
        return true;
    case WM_KILLFOCUS:
    case CM_EXIT:
        FocusLost();
        return false;
    case CM_TEXTCHANGED:
        SkinData()->Invalidate();
        return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        MouseEvent(m);
        return true;
    case CM_DIALOGCHAR:
        if (m.WParam != SpaceChar || !PressBySpace()) return false;
        m.Result = Consumed;
        return true;
    case WM_KEYDOWN:
        // Space presses the focused button also where the host sends no
        // character for it.
        if (m.WParam == VK_SPACE) PressBySpace();
        return false;
    case WM_KEYUP:
        KeyReleased();
        return false;
    case CM_DIALOGKEY:
        return DialogKey(m);
    case CM_FOCUSCHANGED:
        FocusChanged(m);
        return false;
    default:
        return false;
    }
}

void TsButton::PushChanged(bool pressed) {
    FState.Pressed = pressed;
    FState.RegionChanged = true;
    SkinData()->BGChanged = true;
    Repaint();
}

void TsButton::FocusGained(TMessage& m) {
    Inherited(m);
    if (!Focused() || !Enabled()) return;
    StopFade();
    SkinData()->Focused = true;
    SkinData()->MouseAbove = false;
    SkinData()->BGChanged = true;
    Repaint();
}

void TsButton::FocusLost() {
    FState.Pressed = false;
    if (!Enabled()) return;
    StopFade();
    SkinData()->Focused = false;
    SkinData()->MouseAbove = false;
    SkinData()->BGChanged = true;
    FState.RegionChanged = true;
    Repaint();
}

void TsButton::MouseEvent(const TMessage& m) {
    if (!Enabled()) return;
    const bool entered = m.Msg == CM_MOUSEENTER;
    TControlRef self(this);
    if (entered && OnMouseEnter) OnMouseEnter(this);
    if (!entered && OnMouseLeave) OnMouseLeave(this);
    if (!self) return;
    SkinData()->MouseAbove = entered;
    SkinData()->BGChanged = true;
    if (FadingEnabled())
        StartFade(entered ? fmFadingIn : fmFadingOut);
    else
        Repaint();
}

bool TsButton::MousePress(const TMessage& m) {
    if (!Enabled()) return false;
    // A second button pressed during a press must not save hints as off.
    if (!FState.MouseInside) FState.Hints.Hold();
    FState.MouseInside = true;
    StopFade();
    const bool left = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
    if (left && !DrawnPushed()) PushChanged(true);
    return false;
}

bool TsButton::MouseRelease(TMessage& m) {
    if (!Enabled()) return false;
    if (!FState.MouseInside || IsDestroying()) return true;
    FState.Hints.Release();
    FState.MouseInside = false;
    if (m.Msg != WM_LBUTTONUP) return false;
    const bool inside = ClientRect().Contains(LParamToPoint(m.LParam));
    // The base must not click again; the button looks released before its
    // click runs, which may show a dialog.
    SetControlState(ControlState() & ~csClicked);
    PushChanged(false);
    TControlRef self(this);
    if (inside) Click();
    if (self) Inherited(m);
    return true;
}

bool TsButton::PressBySpace() {
    if (!Enabled() || !Focused()) return false;
    if (!FState.Pressed) PushChanged(true);
    return true;
}

void TsButton::KeyReleased() {
    if (!DrawnPushed()) return;
    PushChanged(false);
    Click();
}

bool TsButton::DialogKey(const TMessage& m) {
    const auto key = static_cast<int>(m.WParam);
    const bool plain = !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL) && !(m.LParam & KF_ALTDOWN);
    // Not marked as taken: the form's search for a taker goes on.
    if (plain && CanFocus() &&
        ((key == VK_RETURN && Default()) || (key == VK_ESCAPE && Cancel()))) {
        Click();
        return true;
    }
    // With a Default button on the form, Enter is its alone: a focused
    // button that took it too would act twice for one key.
    if (key == VK_RETURN && !Default()) {
        const TCustomForm* form = GetParentForm();
        if (form && HasDefaultButton(form)) return true;
    }
    return false;
}

void TsButton::FocusChanged(const TMessage& m) {
    if (!Default()) return;
    auto* focused = reinterpret_cast<TControl*>(m.LParam);
    if (!dynamic_cast<TsButton*>(focused)) {
        FState.DefaultActive = true;
    } else if ((focused == this) != FState.DefaultActive) {
        FState.DefaultActive = focused == this;
        SkinData()->Invalidate();
    }
    if (!SkinChanging) SkinData()->Invalidate();
}

void TsButton::SpaceReleased() {
    if (SkinData()->Skinned()) return;
    TButton::SpaceReleased();
}

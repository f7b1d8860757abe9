// TApplication: hint timing. The mouse resting on a control with a hint for
// HintPause shows the hint; it hides after HintHidePause or when the mouse
// leaves; moving straight to another control with a hint takes HintShortPause.

#include "forms/TApplication.h"
#include "forms/TMessageLoop.h"
#include "forms/TScreen.h"
#include "platform/services/SystemMetrics.h"

namespace {
// The hint opens below the cursor rather than under its tip.
constexpr int kHintBelowCursor = 20;

TControl* HintControlOf(TControl* c) {
    for (; c; c = c->Parent())
        if (!c->Hint().empty()) return c->ShowHint() ? c : nullptr;
    return nullptr;
}
} // namespace

void TApplication::SetShowHint(bool v) {
    FShowHint = v;
    if (!v) CancelHint();
}

void TApplication::SetHintWindowClass(THintWindowClass cls) {
    CancelHint();
    if (FHintWindow) {
        THintWindow* w = FHintWindow;
        FHintWindow = nullptr;
        w->Free();
    }
    FHintWindowClass =
        cls ? std::move(cls) : [](TComponent* o) -> THintWindow* { return new THintWindow(o); };
}

void TApplication::StartHintTimer(int ms, THintTimerMode mode) {
    StopHintTimer();
    FHintTimerMode = mode;
    FHintTimer = TMessageLoop::Instance().AddTimer(static_cast<unsigned>(std::max(ms, 1)),
                                                   [this] { HintTimerExpired(); });
}

void TApplication::StopHintTimer() {
    if (FHintTimer) TMessageLoop::Instance().RemoveTimer(FHintTimer);
    FHintTimer = 0;
    FHintTimerMode = hmNone;
}

void TApplication::HintMouseMessage(TControl* control, TPoint cursorPos) {
    FHintCursor = cursorPos;
    TControl* hc = FShowHint ? HintControlOf(control) : nullptr;
    if (hc == FHintControl.Get()) return;
    bool wasShowing = FHintActive;
    if (FHintActive && FHintWindow) FHintWindow->Hide();
    FHintActive = false;
    FHintControl = hc;
    if (!hc) {
        StopHintTimer();
        return;
    }
    StartHintTimer(wasShowing ? FHintShortPause : FHintPause, hmShow);
}

void TApplication::HintTimerExpired() {
    THintTimerMode mode = FHintTimerMode;
    StopHintTimer();
    if (mode == hmShow) {
        if (TControl* c = FHintControl.Get()) ShowHintFor(c, FHintCursor);
    } else if (mode == hmHide) {
        if (FHintWindow) FHintWindow->Hide();
        FHintActive = false;
    }
}

void TApplication::ActivateHint(TPoint cursorPos) {
    if (TControl* c = FHintControl.Get()) ShowHintFor(c, cursorPos);
}

void TApplication::ShowHintFor(TControl* control, TPoint cursorPos) {
    THintInfo info;
    info.HintControl = control;
    info.HintPos = {cursorPos.X, cursorPos.Y + kHintBelowCursor};
    info.HintMaxWidth = Screen ? Screen->Width() : DefaultScreenWidth;
    info.HintColor = FHintColor;
    TPoint origin = control->ClientToScreen({0, 0});
    info.CursorRect = Bounds(origin.X, origin.Y, control->Width(), control->Height());
    info.CursorPos = control->ScreenToClient(cursorPos);
    info.HideTimeout = FHintHidePause;
    info.HintStr = control->Hint();
    TControlRef ref(control);
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0 || !ref) return;
    bool canShow = true;
    if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
    if (!canShow || info.HintStr.empty()) return;
    if (!FHintWindow) FHintWindow = FHintWindowClass(this);
    if (!FHintWindow) return;
    FHintWindow->SetColor(info.HintColor);
    TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    r = r.Offset(info.HintPos.X, info.HintPos.Y);
    FHintWindow->ActivateHintData(r, info.HintStr, info.HintData);
    FHintActive = true;
    if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, hmHide);
}

void TApplication::CancelHint() {
    StopHintTimer();
    if (FHintWindow && FHintActive) FHintWindow->Hide();
    FHintActive = false;
    FHintControl = nullptr;
}

// TApplication: hint timing. The mouse resting on a control with a hint for
// HintPause shows the hint; it hides after HintHidePause or when the mouse
// leaves; moving straight to another control with a hint takes HintShortPause.

#include "forms/TApplication.h"
#include "forms/TMessageLoop.h"
#include "forms/TScreen.h"

namespace {
constexpr int kShow = 1;
constexpr int kHide = 2;

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

void TApplication::StartHintTimer(int ms, int mode) {
    StopHintTimer();
    FHintTimerMode = mode;
    FHintTimer = TMessageLoop::Instance().AddTimer(static_cast<unsigned>(std::max(ms, 1)),
                                                   [this] { HintTimerExpired(); });
}

void TApplication::StopHintTimer() {
    if (FHintTimer) TMessageLoop::Instance().RemoveTimer(FHintTimer);
    FHintTimer = 0;
    FHintTimerMode = 0;
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
    StartHintTimer(wasShowing ? FHintShortPause : FHintPause, kShow);
}

void TApplication::HintTimerExpired() {
    int mode = FHintTimerMode;
    StopHintTimer();
    if (mode == kShow) {
        if (TControl* c = FHintControl.Get()) ShowHintFor(c, FHintCursor);
    } else if (mode == kHide) {
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
    info.HintPos = {cursorPos.X, cursorPos.Y + 20};
    info.HintMaxWidth = Screen ? Screen->Width() : 1024;
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
    if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, kHide);
}

void TApplication::CancelHint() {
    StopHintTimer();
    if (FHintWindow && FHintActive) FHintWindow->Hide();
    FHintActive = false;
    FHintControl = nullptr;
}

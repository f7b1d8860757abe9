// TCustomForm: creation, the top-level window list, showing, closing,
// activation, focus and presenting. The frame is in TCustomFormFrame.cpp,
// host input in TCustomFormInput.cpp.

#include "forms/TCustomForm.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "component/TFormReader.h"
#include "forms/TApplication.h"
#include "forms/TScreen.h"
#include "window/TPaintEngine.h"
#include "window/WinApi.h"

namespace {
std::vector<TCustomForm*>& TopLevels() {
    static std::vector<TCustomForm*> list;
    return list;
}

void FormCloseFromDefinition(TCustomForm& f, const TValue& v, TReadContext& ctx) {
    TNotifyEvent e = ValueToEvent(v, ctx);
    if (!e) {
        f.OnClose = nullptr;
        return;
    }
    f.OnClose = [e](TObject* sender, TCloseAction&) { e(sender); };
}
} // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    FVisible = false;
    SetParentColor(false);
    SetParentFont(false);
    FLeft = 0;
    FTop = 0;
    FWidth = 320;
    FHeight = 240;
    FNormalBounds = BoundsRect();
    TopLevels().push_back(this);
    if (Screen && IsFormWindow()) Screen->AddForm(this);
    RecalcNonClient();
}

TCustomForm::~TCustomForm() {
    MarkDestroying();
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (const std::exception& e) {
            if (Application) Application->HandleException(e);
        }
    }
    if (FHostWindow) FHostWindow->Hide();
    auto& list = TopLevels();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
}

const std::vector<TCustomForm*>& TCustomForm::TopLevelWindows() {
    return TopLevels();
}

const TClassInfo* TCustomForm::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TCustomForm";
        i.Parent = TWinControl::StaticClassInfo();
        i.Props = {
            SetProp("BorderIcons", &TCustomForm::SetBorderIcons,
                    {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}),
            EnumProp(
                "BorderStyle", &TCustomForm::SetBorderStyle,
                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}),
            IntProp("ClientHeight", &TControl::SetClientHeight),
            IntProp("ClientWidth", &TControl::SetClientWidth),
            EnumProp("FormStyle", &TCustomForm::SetFormStyle,
                     {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}),
            BoolProp("KeyPreview", &TCustomForm::SetKeyPreview),
            EnumProp("Position", &TCustomForm::SetPosition,
                     {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                      "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                      "poOwnerFormCenter"}),
            EnumProp("WindowState", &TCustomForm::SetWindowState,
                     {"wsNormal", "wsMinimized", "wsMaximized"}),
            ComponentRefProp("ActiveControl", &TCustomForm::SetActiveControl),
            EventProp("OnCreate", &TCustomForm::OnCreate),
            EventProp("OnDestroy", &TCustomForm::OnDestroy),
            EventProp("OnShow", &TCustomForm::OnShow),
            EventProp("OnHide", &TCustomForm::OnHide),
            EventProp("OnActivate", &TCustomForm::OnActivate),
            EventProp("OnDeactivate", &TCustomForm::OnDeactivate),
            Prop<TCustomForm>("OnClose", FormCloseFromDefinition),
            // Kept by definitions made for other screens; nothing to do here.
            Prop<TCustomForm>("OldCreateOrder", [](TCustomForm&, const TValue&, TReadContext&) {}),
            Prop<TCustomForm>("PixelsPerInch", [](TCustomForm&, const TValue&, TReadContext&) {}),
            Prop<TCustomForm>("TextHeight", [](TCustomForm&, const TValue&, TReadContext&) {}),
            Prop<TCustomForm>("Scaled", [](TCustomForm&, const TValue&, TReadContext&) {}),
            Prop<TCustomForm>("AutoScroll", [](TCustomForm&, const TValue&, TReadContext&) {}),
        };
        return i;
    }();
    return &info;
}

const TClassInfo* TCustomForm::ClassInfo() const {
    return StaticClassInfo();
}

// --- creation ------------------------------------------------------------------

void TCustomForm::InitializeForm() {
    ReadDefinition();
    DoCreate();
}

void TCustomForm::ReadDefinition() {
    std::string text = DefinitionText();
    if (text.empty()) return;
    ReadComponentResource(this, text, DefinitionFileName());
}

void TCustomForm::DoCreate() {
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (const std::exception& e) {
        if (Application)
            Application->HandleException(e);
        else
            throw;
    }
}

// --- appearance ------------------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
    if (s == FBorderStyle) return;
    FBorderStyle = s;
    RecalcNonClient();
    InvalidateFrame();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == FBorderIcons) return;
    FBorderIcons = icons;
    InvalidateFrame();
}

void TCustomForm::SetFormStyle(TFormStyle s) {
    FFormStyle = s;
}

void TCustomForm::SetWindowState(TWindowState s) {
    if (s == FWindowState) return;
    TWindowState old = FWindowState;
    FWindowState = s;
    if (IsLoading()) return;
    if (s == wsMaximized) {
        if (old == wsNormal) FNormalBounds = BoundsRect();
        SetBoundsRect(Screen ? Screen->WorkAreaRect() : BoundsRect());
        Perform(WM_SIZE, SIZE_MAXIMIZED, MakeLParam(ClientWidth(), ClientHeight()));
    } else if (s == wsNormal) {
        if (old == wsMaximized) SetBoundsRect(FNormalBounds);
        Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(ClientWidth(), ClientHeight()));
    } else {
        if (FHostWindow) FHostWindow->Minimize();
        Perform(WM_SIZE, SIZE_MINIMIZED, 0);
    }
    InvalidateFrame();
}

bool TCustomForm::Active() const {
    return FActive;
}

// --- bounds, host window and presenting ---------------------------------------------

void TCustomForm::BoundsChanged(const TRect& old) {
    if (old.Width() != FWidth || old.Height() != FHeight) {
        // A buffer not made yet is made at the new size when first used; the
        // sizes a definition passes through while it is read cost nothing.
        if (!FBackBuffer.Empty()) FBackBuffer.SetSize(FWidth, FHeight);
        FPresentRgn.Union(Rect(0, 0, FWidth, FHeight));
    }
    if (FWindowState == wsNormal) FNormalBounds = BoundsRect();
    TWinControl::BoundsChanged(old);
    if (FHostWindow && !FSyncingFromHost) FHostWindow->SetBounds(BoundsRect());
}

TBitmap* TCustomForm::BackBuffer() {
    if (FBackBuffer.Empty()) FBackBuffer.SetSize(FWidth, FHeight);
    return &FBackBuffer;
}

void TCustomForm::WindowRgnChanged() {
    if (FHostWindow) FHostWindow->SetShape(WindowRgn());
}

void TCustomForm::CreateHostWindow() {
    if (FHostWindow || !HasHost()) return;
    TWindowParams p;
    p.Bounds = BoundsRect();
    p.Kind = HostWindowKind();
    p.TopMost = FFormStyle == fsStayOnTop;
    p.Title = Caption();
    FHostWindow = Host().CreateWindow(p);
    if (WindowRgn()) FHostWindow->SetShape(WindowRgn());
    FPresentRgn.Union(Rect(0, 0, FWidth, FHeight));
}

void TCustomForm::Present() {
    if (FPresentRgn.IsEmpty()) return;
    if (!FHostWindow || !FVisible) return;
    FPresentRgn.Intersect(Rect(0, 0, FBackBuffer.Width(), FBackBuffer.Height()));
    if (!FPresentRgn.IsEmpty()) FHostWindow->Present(FBackBuffer.Pixels(), FPresentRgn);
    FPresentRgn.Clear();
}

// --- showing and closing -----------------------------------------------------------

void TCustomForm::ApplyPosition() {
    if (!Screen) return;
    TCustomForm* center = nullptr;
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds((Screen->Width() - FWidth) / 2, (Screen->Height() - FHeight) / 2, FWidth,
                  FHeight);
        break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        center = Application ? Application->MainForm() : nullptr;
        if (FPosition == poOwnerFormCenter)
            if (auto* o = dynamic_cast<TCustomForm*>(Owner())) center = o;
        if (center && center != this)
            SetBounds(center->Left() + (center->Width() - FWidth) / 2,
                      center->Top() + (center->Height() - FHeight) / 2, FWidth, FHeight);
        break;
    default:
        break;
    }
}

void TCustomForm::SetVisible(bool v) {
    if (v == FVisible) return;
    if (v) {
        if (!FShownOnce) {
            FShownOnce = true;
            ApplyPosition();
        }
        DoShow();
        FVisible = true;
        Perform(CM_VISIBLECHANGED, 1);
        Perform(CM_SHOWINGCHANGED);
        Perform(WM_SHOWWINDOW, 1);
        InvalidateFrame();
        InvalidateRect(nullptr, true);
        FPresentRgn.Union(Rect(0, 0, FWidth, FHeight));
        // The first picture is painted before the window is made, as making
        // it may wait for the display to open, and is presented before the
        // window appears.
        TPaintEngine::PaintForm(this);
        CreateHostWindow();
        Present();
        if (FHostWindow) FHostWindow->Show();
        if (HostWindowKind() == TWindowKind::wkNormal) Activate();
    } else {
        DoHide();
        bool wasActive = FActive;
        if (FActive) SetActive(false);
        FVisible = false;
        Perform(CM_VISIBLECHANGED, 0);
        Perform(CM_SHOWINGCHANGED);
        Perform(WM_SHOWWINDOW, 0);
        if (FHostWindow) FHostWindow->Hide();
        if (wasActive && Screen) {
            Screen->SetActiveForm(nullptr);
            // The window that was active before takes over, as a window system does.
            for (int i = Screen->FormCount() - 1; i >= 0; --i) {
                TCustomForm* f = Screen->Forms(i);
                if (f != this && f->Visible()) {
                    f->Activate();
                    break;
                }
            }
        }
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::BringToFront() {
    if (FHostWindow && FVisible) FHostWindow->Raise();
    if (FVisible && HostWindowKind() == TWindowKind::wkNormal) Activate();
}

void TCustomForm::Activate(bool tellHost) {
    if (!FVisible) return;
    TCustomForm* prev = Screen ? Screen->ActiveForm() : nullptr;
    if (prev == this && FActive) return;
    if (prev && prev != this) prev->SetActive(false);
    if (Screen) Screen->SetActiveForm(this);
    SetActive(true);
    if (FHostWindow && tellHost) FHostWindow->Activate();
}

void TCustomForm::SetActive(bool active) {
    if (active == FActive) return;
    FActive = active;
    TControlRef self(this);
    Perform(WM_NCACTIVATE, active ? 1 : 0);
    Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE);
    if (!self) return;
    TWinControl* focused = FocusedControl();
    if (active) {
        if (focused && focused->CanFocus())
            focused->Perform(WM_SETFOCUS, 0);
        else if (!focused)
            SelectFirst();
        if (OnActivate) OnActivate(this);
    } else {
        if (focused) focused->Perform(WM_KILLFOCUS, 0);
        if (OnDeactivate) OnDeactivate(this);
    }
}

bool TCustomForm::CloseQuery() {
    bool can = true;
    if (OnCloseQuery) OnCloseQuery(this, can);
    return can;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    TControlRef self(this);
    DoClose(action);
    if (!self || action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE);
}

TModalResult TCustomForm::ShowModal() {
    FModalResult = mrNone;
    Show();
    FModal = true;
    TControlRef self(this);
    while (self && FModalResult == mrNone && Application && !Application->Terminated()) {
        Application->HandleMessage();
        // A host with nothing left to deliver (the headless host between
        // test steps) would leave the dialog open forever.
        if (self && FModalResult == mrNone && !Application->LastTurnBusy()) FModalResult = mrCancel;
    }
    if (!self) return mrCancel;
    FModal = false;
    if (FModalResult != mrNone) {
        TCloseAction action = caHide;
        DoClose(action);
    }
    if (self) Hide();
    return self ? FModalResult : mrCancel;
}

// --- focus ---------------------------------------------------------------------

TWinControl* TCustomForm::ActiveControl() const {
    return static_cast<TWinControl*>(FActiveControl.Get());
}

TWinControl* TCustomForm::FocusedControl() const {
    return static_cast<TWinControl*>(FFocused.Get());
}

void TCustomForm::SetActiveControl(TWinControl* c) {
    if (IsLoading()) {
        FActiveControl = c;
        FFocused = c;
        return;
    }
    if (!c) {
        FActiveControl = nullptr;
        return;
    }
    FocusControl(c);
}

void TCustomForm::FocusControl(TWinControl* c) {
    if (!c || c == this || !ContainsControl(c) || !c->CanFocus()) return;
    SetFocusedControl(c);
}

void TCustomForm::SetFocusedControl(TWinControl* c) {
    TWinControl* old = FocusedControl();
    if (c == old) {
        if (FActive && c && !c->Focused()) c->Perform(WM_SETFOCUS, 0);
        return;
    }
    FFocused = c;
    FActiveControl = c;
    if (old && FActive) old->Perform(WM_KILLFOCUS, c ? c->Handle() : 0);
    for (TWinControl* x = old; x && x != this && !(c && x->ContainsControl(c)); x = x->Parent())
        x->Perform(CM_EXIT);
    std::vector<TWinControl*> entering;
    for (TWinControl* x = c; x && x != this && !(old && x->ContainsControl(old)); x = x->Parent())
        entering.push_back(x);
    for (auto it = entering.rbegin(); it != entering.rend(); ++it)
        (*it)->Perform(CM_ENTER);
    if (c && FActive && FFocused.Get() == c) c->Perform(WM_SETFOCUS, old ? old->Handle() : 0);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(c));
}

void TCustomForm::FocusedControlHidden(TWinControl* c) {
    TWinControl* next = FindNextControl(c, true, true, false);
    if (next && c->ContainsControl(next)) next = nullptr;
    if (next)
        SetFocusedControl(next);
    else
        SetFocusedControl(nullptr);
}

void TCustomForm::ControlRemoved(TControl* c) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (!w) return;
    if (w->ContainsControl(FocusedControl())) FFocused = nullptr;
    if (w->ContainsControl(ActiveControl())) FActiveControl = nullptr;
}

void TCustomForm::SelectFirst() {
    TWinControl* c = FindNextControl(nullptr, true, true, false);
    if (c) SetFocusedControl(c);
}

#include "stdctrls/TButton.h"

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "window/WinApi.h"

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

const TClassInfo* TButton::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TButton>("TButton", TCustomControl::StaticClassInfo(),
                               {
                                   BoolProp("Cancel", &TButton::SetCancel),
                                   BoolProp("Default", &TButton::SetDefault),
                                   IntProp("ModalResult", &TButton::SetModalResult,
                                           {{"mrNone", mrNone},
                                            {"mrOk", mrOk},
                                            {"mrCancel", mrCancel},
                                            {"mrAbort", mrAbort},
                                            {"mrRetry", mrRetry},
                                            {"mrIgnore", mrIgnore},
                                            {"mrYes", mrYes},
                                            {"mrNo", mrNo}}),
                               });
    return &info;
}

const TClassInfo* TButton::ClassInfo() const {
    return StaticClassInfo();
}

void TButton::SetDefault(bool v) {
    FDefault = v;
    TCustomForm* form = GetParentForm();
    TWinControl* focused = form ? form->FocusedControl() : nullptr;
    if (!dynamic_cast<TButton*>(focused)) SetActive(v);
}

void TButton::SetActive(bool v) {
    if (v == FActive) return;
    FActive = v;
    Invalidate();
}

void TButton::Click() {
    TControlRef self(this);
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
    if (self) TCustomControl::Click();
}

void TButton::DialogKey(TMessage& m) {
    int key = static_cast<int>(m.WParam);
    bool plain = !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL) && !(m.LParam & KF_ALTDOWN);
    if (!plain || !CanFocus()) return;
    if ((key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel)) {
        Click();
        m.Result = 1;
    }
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_DIALOGKEY:
        DialogKey(m);
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TControl*>(m.LParam);
        if (dynamic_cast<TButton*>(focused))
            SetActive(focused == this);
        else
            SetActive(FDefault);
        return;
    }
    case CM_ISDEFAULTBUTTON:
        m.Result = FDefault ? 1 : 0;
        return;
    case WM_GETDLGCODE:
        m.Result = DLGC_BUTTON;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS && FSpaceDown) FSpaceDown = false;
        Invalidate();
        break;
    case WM_LBUTTONUP:
        // The button looks released before its click runs (which may show a dialog).
        if (FMouseDown) {
            FMouseDown = false;
            Invalidate();
        }
        break;
    case WM_CAPTURECHANGED:
        if (FMouseDown) {
            FMouseDown = false;
            FControlState &= ~(csClicked | csLButtonDown);
            Invalidate();
        }
        break;
    default:
        break;
    }
    TButtonControl::WndProc(m);
}

void TButton::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (FActive || Focused()) Frame3D(c, r, cl3DDkShadow, cl3DDkShadow, 1);
    if (Pushed())
        Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
    else
        DrawRaisedEdge(c, r);
    TRect text = ClientRect();
    if (Pushed()) text = text.Offset(1, 1);
    DrawControlText(c, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) {
        TRect f = Rect(4, 4, Width() - 4, Height() - 4);
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(f);
    }
}

#include "stdctrls/TCheckBox.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "window/WinApi.h"

namespace {
constexpr int kBoxSize = 13;
constexpr int kTextGap = 4;
} // namespace

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
}

const TClassInfo* TCheckBox::StaticClassInfo() {
    static const TClassInfo info = MakeClassInfo<TCheckBox>(
        "TCheckBox", TCustomControl::StaticClassInfo(),
        {
            EnumProp("Alignment", &TCheckBox::SetAlignment,
                     {"taLeftJustify", "taRightJustify", "taCenter"}),
            BoolProp("AllowGrayed", &TCheckBox::SetAllowGrayed),
            BoolProp("Checked", &TCheckBox::SetChecked),
            EnumProp("State", &TCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"}),
        });
    return &info;
}

const TClassInfo* TCheckBox::ClassInfo() const {
    return StaticClassInfo();
}

void TCheckBox::SetAlignment(TAlignment a) {
    FAlignment = a;
    Invalidate();
}

void TCheckBox::SetState(TCheckBoxState s) {
    if (s == FState) return;
    FState = s;
    Invalidate();
    if (!IsLoading()) Click();
}

void TCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

TRect TCheckBox::BoxRect() const {
    int top = (Height() - kBoxSize) / 2;
    int left = FAlignment == taLeftJustify ? Width() - kBoxSize : 0;
    return Bounds(left, top, kBoxSize, kBoxSize);
}

void TCheckBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_BUTTON;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m.Msg == WM_KILLFOCUS) FSpaceDown = false;
        Invalidate();
        break;
    case WM_LBUTTONUP: {
        // The toggle replaces the base class's click: the state change clicks.
        FControlState &= ~csClicked;
        bool toggle = FMouseDown && ClientRect().Contains(LParamToPoint(m.LParam));
        FMouseDown = false;
        Invalidate();
        TControlRef self(this);
        TButtonControl::WndProc(m);
        if (toggle && self) Toggle();
        return;
    }
    case WM_CAPTURECHANGED:
        FMouseDown = false;
        Invalidate();
        break;
    default:
        break;
    }
    TButtonControl::WndProc(m);
}

void TCheckBox::PaintCheck(TCanvas& c, const TRect& box) {
    // The classic seven-pixel tick, three pixels thick.
    TColor color = FState == cbGrayed || !Enabled() ? clBtnShadow : clWindowText;
    c.Brush()->SetColor(color);
    int x = box.Left + 3, y = box.Top + 5;
    for (int i = 0; i < 7; ++i) {
        int dy = i < 3 ? i : 4 - i;
        c.FillRect(Rect(x + i, y + dy, x + i + 1, y + dy + 3));
    }
}

void TCheckBox::Paint() {
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Color());
    c.FillRect(ClientRect());
    TRect box = BoxRect();
    TRect inner = box;
    DrawSunkenEdge(c, inner);
    bool pressed = (FMouseDown && FMouseInside) || FSpaceDown;
    c.Brush()->SetColor(pressed || FState == cbGrayed || !Enabled() ? clBtnFace : clWindow);
    c.FillRect(inner);
    if (FState != cbUnchecked) PaintCheck(c, box);

    TRect text = FAlignment == taLeftJustify ? Rect(0, 0, box.Left - kTextGap, Height())
                                             : Rect(box.Right + kTextGap, 0, Width(), Height());
    TRect calc = text;
    c.DrawText(Caption(), calc, DT_SINGLELINE | DT_CALCRECT);
    int h = calc.Height();
    TRect placed = Rect(text.Left, (Height() - h) / 2,
                        std::min(text.Right, text.Left + calc.Width()), (Height() - h) / 2 + h);
    DrawControlText(c, Caption(), placed, DT_SINGLELINE, Enabled());
    if (Focused() && !Caption().empty()) {
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(Rect(placed.Left - 1, placed.Top - 1, placed.Right + 1, placed.Bottom + 1));
    }
}

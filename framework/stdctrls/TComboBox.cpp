#include "stdctrls/TComboBox.h"

#include <algorithm>

#include "component/PropertyHelpers.h"
#include "graphics/BevelPaint.h"
#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "stdctrls/TComboBoxList.h"
#include "window/WinApi.h"

namespace {
constexpr int kButtonWidth = 16;
} // namespace

TComboBox::TComboBox(TComponent* owner)
    : TCustomControl(owner), FItems(std::make_unique<TStrings>()) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    FItems->OnChange = [this](TObject*) {
        if (FItemIndex >= FItems->Count()) FItemIndex = -1;
        if (FListIndex >= FItems->Count()) FListIndex = -1;
        SyncText();
        Invalidate();
        if (FList && FList->Visible()) FList->Invalidate();
    };
}

TComboBox::~TComboBox() {
    MarkDestroying();
    if (FList) {
        FDroppedDown = false;
        FList->Close();
        FList.reset();
    }
}

const TClassInfo* TComboBox::StaticClassInfo() {
    static const TClassInfo info =
        MakeClassInfo<TComboBox>("TComboBox", TCustomControl::StaticClassInfo(),
                                 {
                                     EnumProp("Style", &TComboBox::SetStyle,
                                              {"csDropDown", "csSimple", "csDropDownList",
                                               "csOwnerDrawFixed", "csOwnerDrawVariable"}),
                                     IntProp("DropDownCount", &TComboBox::SetDropDownCount),
                                     IntProp("ItemHeight", &TComboBox::SetItemHeight),
                                     IntProp("ItemIndex", &TComboBox::SetItemIndex),
                                     StrProp("Text", &TControl::SetText),
                                     ObjectProp("Items", &TComboBox::Items),
                                     EventProp("OnChange", &TComboBox::OnChange),
                                     EventProp("OnSelect", &TComboBox::OnSelect),
                                     EventProp("OnDropDown", &TComboBox::OnDropDown),
                                     EventProp("OnCloseUp", &TComboBox::OnCloseUp),
                                 });
    return &info;
}

const TClassInfo* TComboBox::ClassInfo() const {
    return StaticClassInfo();
}

void TComboBox::SetItemIndex(int i) {
    if (IsLoading()) {
        FLoadedItemIndex = i;
        return;
    }
    if (i < -1 || i >= FItems->Count()) i = -1;
    if (i == FItemIndex) return;
    FItemIndex = i;
    SyncText();
    Invalidate();
}

void TComboBox::Loaded() {
    TCustomControl::Loaded();
    if (FLoadedItemIndex) {
        int i = *FLoadedItemIndex;
        FLoadedItemIndex.reset();
        SetItemIndex(i);
    }
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    FStyle = s;
    Invalidate();
}

void TComboBox::SetItemHeight(int h) {
    FItemHeight = std::max(1, h);
    Invalidate();
}

void TComboBox::SyncText() {
    FSyncing = true;
    SetText(FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string());
    FSyncing = false;
}

void TComboBox::Change() {
    if (OnChange) OnChange(this);
}

void TComboBox::Select(int index) {
    if (FItems->Count() == 0) return;
    index = std::clamp(index, 0, FItems->Count() - 1);
    if (index == FItemIndex) return;
    SetItemIndex(index);
    TControlRef self(this);
    if (OnSelect) OnSelect(this);
    if (self) Change();
}

void TComboBox::SetListIndex(int index) {
    if (index == FListIndex) return;
    FListIndex = index;
    if (FList) {
        FList->MakeVisible(index);
        FList->Invalidate();
    }
}

// --- dropping down ---------------------------------------------------------------------

void TComboBox::SetDroppedDown(bool v) {
    if (v)
        DropDown();
    else
        CloseUp(false);
}

void TComboBox::DropDown() {
    if (FDroppedDown || !HasHost()) return;
    TControlRef self(this);
    if (OnDropDown) OnDropDown(this);
    if (!self) return;
    if (!FList) FList = std::make_unique<TComboBoxList>(this);
    FListIndex = FItemIndex;
    FDroppedDown = true;
    Invalidate();
    FList->Open();
}

void TComboBox::CloseUp(bool choose) {
    if (!FDroppedDown) return;
    FDroppedDown = false;
    if (FList) FList->Close();
    Invalidate();
    TControlRef self(this);
    if (choose && FListIndex >= 0) Select(FListIndex);
    if (self && OnCloseUp) OnCloseUp(this);
}

// --- input ---------------------------------------------------------------------------------

void TComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | (FDroppedDown ? DLGC_WANTALLKEYS : 0);
        return;
    case CM_TEXTCHANGED:
        if (!FSyncing && !IsLoading()) {
            // Text set from outside picks the item of that text, if any.
            FItemIndex = FItems->IndexOf(Text());
            SyncText();
        }
        Invalidate();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The press that takes the capture closes an open list; remember it was open.
        FWasDropped = FDroppedDown;
        break;
    case WM_CAPTURECHANGED:
        FControlState &= ~(csClicked | csLButtonDown);
        break;
    case WM_SETFOCUS:
        Invalidate();
        break;
    case WM_KILLFOCUS:
        CloseUp(false);
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (FDroppedDown)
            CloseUp(false);
        else if (!FWasDropped)
            DropDown();
        FWasDropped = false;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TComboBox::ListKey(int& key, TShiftState shift) {
    int last = FItems->Count() - 1;
    int at = FListIndex;
    switch (key) {
    case VK_UP:
        SetListIndex(std::max(0, at - 1));
        break;
    case VK_DOWN:
        SetListIndex(std::min(last, at + 1));
        break;
    case VK_PRIOR:
        SetListIndex(std::max(0, at - PageStep()));
        break;
    case VK_NEXT:
        SetListIndex(std::min(last, at < 0 ? PageStep() : at + PageStep()));
        break;
    case VK_HOME:
        SetListIndex(last >= 0 ? 0 : -1);
        break;
    case VK_END:
        SetListIndex(last);
        break;
    case VK_RETURN:
    case VK_F4:
        CloseUp(true);
        break;
    case VK_ESCAPE:
        CloseUp(false);
        break;
    case VK_TAB: {
        CloseUp(true);
        TCustomForm* form = GetParentForm();
        if (form) form->SelectNext(this, !(shift & ssShift), true);
        break;
    }
    default:
        return;
    }
    key = 0;
}

void TComboBox::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    bool alt = shift & ssAlt;
    if ((alt && (key == VK_DOWN || key == VK_UP)) || (key == VK_F4 && !alt && !FDroppedDown)) {
        if (FDroppedDown)
            CloseUp(true);
        else
            DropDown();
        key = 0;
        return;
    }
    if (FDroppedDown) {
        ListKey(key, shift);
        return;
    }
    int last = FItems->Count() - 1;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        Select(std::max(0, FItemIndex - 1));
        break;
    case VK_DOWN:
    case VK_RIGHT:
        Select(FItemIndex + 1);
        break;
    case VK_PRIOR:
        Select(FItemIndex - PageStep());
        break;
    case VK_NEXT:
        Select(FItemIndex < 0 ? PageStep() : FItemIndex + PageStep());
        break;
    case VK_HOME:
        Select(0);
        break;
    case VK_END:
        Select(last);
        break;
    default:
        return;
    }
    key = 0;
}

// --- painting --------------------------------------------------------------------------------

void TComboBox::Paint() {
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    DrawSunkenEdge(c, r);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c.FillRect(r);

    TRect button = Rect(std::max(r.Left, r.Right - kButtonWidth), r.Top, r.Right, r.Bottom);
    c.Brush()->SetColor(clBtnFace);
    c.FillRect(button);
    TRect edge = button;
    if (FDroppedDown)
        Frame3D(c, edge, clBtnShadow, clBtnShadow, 1);
    else
        DrawRaisedEdge(c, edge);
    int ax = button.Left + (button.Width() - 7) / 2 + (FDroppedDown ? 1 : 0);
    int ay = button.Top + (button.Height() - 4) / 2 + (FDroppedDown ? 1 : 0);
    c.Brush()->SetColor(Enabled() ? clBtnText : clGrayText);
    for (int i = 0; i < 4; ++i)
        c.FillRect(Rect(ax + i, ay + i, ax + 7 - i, ay + i + 1));

    TRect text = Rect(r.Left + 1, r.Top + 1, button.Left - 1, r.Bottom - 1);
    bool selected = Focused() && !FDroppedDown;
    if (selected) {
        c.Brush()->SetColor(clHighlight);
        c.FillRect(text);
    }
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
    TRect t = Rect(text.Left + 2, text.Top, text.Right, text.Bottom);
    c.DrawText(Text(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (selected) {
        c.Brush()->SetStyle(bsSolid);
        c.DrawFocusRect(text);
    }
}

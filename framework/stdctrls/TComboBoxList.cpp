#include "stdctrls/TComboBoxList.h"

#include <algorithm>

#include "graphics/DrawText.h"
#include "graphics/TCanvas.h"
#include "stdctrls/TComboBox.h"
#include "window/WinApi.h"

TComboBoxList::TComboBoxList(TComboBox* combo) : TCustomForm(nullptr), FCombo(combo) {
    SetBorderStyle(bsNone);
    SetBorderIcons(0);
    SetColor(clWindow);
    // Capture is held from Open to Close, not from press to release.
    FControlStyle &= ~csCaptureMouse;
}

int TComboBoxList::VisibleRows() const {
    return std::clamp(FCombo->Items()->Count(), 1, FCombo->DropDownCount());
}

void TComboBoxList::Open() {
    int rows = VisibleRows();
    int height = rows * FCombo->ItemHeight() + 2;
    TPoint origin = FCombo->ClientToScreen({0, 0});
    int top = origin.Y + FCombo->Height();
    if (HasHost()) {
        TRect work = Host().WorkArea();
        if (top + height > work.Bottom && origin.Y - height >= work.Top) top = origin.Y - height;
    }
    SetFont(*FCombo->Font());
    SetBounds(origin.X, top, FCombo->Width(), height);
    FTopIndex = 0;
    MakeVisible(FCombo->ListIndex());
    Invalidate();
    Show();
    SetCaptureControl(this);
}

void TComboBoxList::Close() {
    FClosing = true;
    if (GetCaptureControl() == this) ReleaseCapture();
    Hide();
    FClosing = false;
}

int TComboBoxList::ItemAt(TPoint p) const {
    if (p.X < 1 || p.X >= Width() - 1 || p.Y < 1) return -1;
    int row = (p.Y - 1) / std::max(1, FCombo->ItemHeight());
    if (row >= VisibleRows()) return -1;
    int index = FTopIndex + row;
    return index < FCombo->Items()->Count() ? index : -1;
}

TRect TComboBoxList::ItemRect(int index) const {
    int h = FCombo->ItemHeight();
    int y = 1 + (index - FTopIndex) * h;
    return Rect(1, y, Width() - 1, y + h);
}

void TComboBoxList::MakeVisible(int index) {
    if (index < 0) return;
    int rows = VisibleRows();
    if (index < FTopIndex) FTopIndex = index;
    if (index >= FTopIndex + rows) FTopIndex = index - rows + 1;
    Invalidate();
}

void TComboBoxList::WndProc(TMessage& m) {
    if (m.Msg == WM_CAPTURECHANGED && !FClosing && FCombo->DroppedDown()) {
        FCombo->CloseUp(false);
        return;
    }
    TCustomForm::WndProc(m);
}

void TComboBoxList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!ClientRect().Contains({x, y})) {
        FCombo->CloseUp(false);
        return;
    }
    int i = ItemAt({x, y});
    if (i >= 0) FCombo->SetListIndex(i);
    TCustomForm::MouseDown(button, shift, x, y);
}

void TComboBoxList::MouseMove(TShiftState shift, int x, int y) {
    int i = ItemAt({x, y});
    if (i >= 0) FCombo->SetListIndex(i);
    TCustomForm::MouseMove(shift, x, y);
}

void TComboBoxList::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // The release that ends the opening click lands outside and is ignored.
    if (button == mbLeft && ItemAt({x, y}) >= 0) {
        FCombo->SetListIndex(ItemAt({x, y}));
        FCombo->CloseUp(true);
        return;
    }
    TCustomForm::MouseUp(button, shift, x, y);
}

void TComboBoxList::PaintWindow(HDC dc) {
    TCanvas& c = *dc;
    TRect r = ClientRect();
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clWindowFrame);
    c.FrameRect(r);
    c.Brush()->SetColor(clWindow);
    c.FillRect(Rect(1, 1, r.Right - 1, r.Bottom - 1));
    c.SetFont(*FCombo->Font());
    int count = FCombo->Items()->Count();
    for (int i = FTopIndex; i < count && i < FTopIndex + VisibleRows(); ++i) {
        TRect row = ItemRect(i);
        bool hot = i == FCombo->ListIndex();
        if (hot) {
            c.Brush()->SetStyle(bsSolid);
            c.Brush()->SetColor(clHighlight);
            c.FillRect(row);
        }
        c.Brush()->SetStyle(bsClear);
        c.Font()->SetColor(hot ? clHighlightText : FCombo->Font()->Color());
        TRect text = Rect(row.Left + 2, row.Top, row.Right, row.Bottom);
        c.DrawText(FCombo->Items()->Strings(i), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
}

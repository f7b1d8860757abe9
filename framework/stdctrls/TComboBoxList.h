#pragma once
// The drop-down list of a TComboBox: a borderless popup window below (or,
// without room, above) the box. While open it holds the mouse capture, so a
// press anywhere else closes it; a release over a row chooses that row.

#include "forms/TCustomForm.h"

class TComboBox;

class TComboBoxList : public TCustomForm {
public:
    explicit TComboBoxList(TComboBox* combo);

    bool IsFormWindow() const override { return false; }
    TWindowKind HostWindowKind() const override { return TWindowKind::wkPopup; }

    // Places the window for the combo's items and shows it.
    void Open();
    void Close();
    // The first row shown, and the row at a client point (-1 outside the rows).
    int TopIndex() const { return FTopIndex; }
    int ItemAt(TPoint p) const;
    // The row's rectangle in client coordinates.
    TRect ItemRect(int index) const;
    void MakeVisible(int index);
    int VisibleRows() const;

    void WndProc(TMessage& m) override;

protected:
    void PaintWindow(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TComboBox* FCombo;
    int FTopIndex = 0;
    bool FClosing = false;
};

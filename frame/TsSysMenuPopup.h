#pragma once
// The window of the system menu: a borderless popup below the point it was
// opened at, one row per visible item, drawn in the skin's menu look. While
// open it holds the mouse capture and the keyboard of its form: a press
// outside, Escape or the form losing the focus closes it; the arrows, Enter
// and the items' access keys choose by keyboard; a submenu replaces the list
// until Left or Escape returns to the top.

#include <vector>

#include "frame/TsSystemMenu.h"
#include "framework/forms/TCustomForm.h"

class TsSysMenuPopup : public TCustomForm {
public:
    explicit TsSysMenuPopup(TsSystemMenu* menu);

    bool IsFormWindow() const override { return false; }
    TWindowKind HostWindowKind() const override { return TWindowKind::wkPopup; }
    bool TakesKeys() const override { return true; }

    void Open(TPoint at);
    void CloseMenu();
    // The rows shown (the top items or the open submenu's), visible ones only.
    const std::vector<const TsMenuItem*>& Rows() const { return FRows; }
    int Selected() const { return FSelected; }
    // The row at a client point, -1 for none; a row's rectangle.
    int RowAt(TPoint p) const;
    TRect RowRect(int row) const;
    // Runs the row: opens its submenu or closes the menu and does what it stands for.
    void ChooseRow(int row);

    void WndProc(TMessage& m) override;

protected:
    void PaintWindow(HDC dc) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(uint32_t& key) override;

private:
    void ShowRows(const std::vector<TsMenuItem>& items);
    void Step(int direction);
    static bool Selectable(const TsMenuItem& item);

    TsSystemMenu* FMenu;
    std::vector<const TsMenuItem*> FRows;
    int FSelected = -1;
    bool FInSubmenu = false;
    bool FClosing = false;
    TPoint FAt;
};

#include "frame/TsSysMenuPopup.h"

#include <algorithm>
#include <cctype>

#include "frame/TsSkinProvider.h"
#include "framework/graphics/DrawText.h"
#include "framework/graphics/TCanvas.h"
#include "framework/window/WinApi.h"
#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "skin/SectionText.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

constexpr int RowHeight = 20;
constexpr int SeparatorHeight = 7;
constexpr int TextMargin = 20;   // left of the caption, room for a mark
constexpr int ShortCutGap = 24;  // between the caption and its shortcut
constexpr int SubmenuArrow = 16; // room for the arrow of a submenu
constexpr int MinimumWidth = 120;

const char* const MenuSection = "MENUITEM";

bool IsSeparator(const TsMenuItem& item) {
    return item.Caption == "-";
}

// The caption with its access key marked, for DrawText's prefix underline.
std::string Marked(const TsMenuItem& item) {
    std::string s;
    bool marked = false;
    for (char c : item.Caption) {
        if (c == '&') s += '&';
        if (!marked && item.AccessKey &&
            std::toupper(static_cast<unsigned char>(c)) == item.AccessKey) {
            s += '&';
            marked = true;
        }
        s += c;
    }
    return s;
}

} // namespace

TsSysMenuPopup::TsSysMenuPopup(TsSystemMenu* menu) : TCustomForm(nullptr), FMenu(menu) {
    SetBorderStyle(bsNone);
    SetBorderIcons(0);
    SetColor(clMenu);
    // Capture is held from Open to Close, not from press to release.
    FControlStyle &= ~csCaptureMouse;
}

bool TsSysMenuPopup::Selectable(const TsMenuItem& item) {
    return !IsSeparator(item) && item.Enabled;
}

void TsSysMenuPopup::ShowRows(const std::vector<TsMenuItem>& items) {
    FRows.clear();
    for (const TsMenuItem& item : items)
        if (item.Visible) FRows.push_back(&item);
    if (TCustomForm* form = FMenu->Provider()->Form()) SetFont(*form->Font());
    int width = MinimumWidth, height = 2;
    TBitmap measure(1, 1);
    TCanvas* c = measure.Canvas();
    c->SetFont(*Font());
    for (const TsMenuItem* item : FRows) {
        height += IsSeparator(*item) ? SeparatorHeight : RowHeight;
        int w = TextMargin + c->TextWidth(item->Caption) + SubmenuArrow;
        if (!item->ShortCut.empty()) w += ShortCutGap + c->TextWidth(item->ShortCut);
        width = std::max(width, w + 2);
    }
    TRect r = Bounds(FAt.X, FAt.Y, width, height);
    if (HasHost()) {
        const TRect work = Host().WorkArea();
        if (r.Right > work.Right) r = r.Offset(work.Right - r.Right, 0);
        if (r.Bottom > work.Bottom) r = r.Offset(0, -height);
    }
    SetBoundsRect(r);
    FSelected = -1;
    Invalidate();
}

void TsSysMenuPopup::Open(TPoint at) {
    FAt = at;
    FInSubmenu = false;
    ShowRows(FMenu->Items());
    Show();
    SetCaptureControl(this);
}

void TsSysMenuPopup::CloseMenu() {
    FClosing = true;
    if (GetCaptureControl() == this) ReleaseCapture();
    Hide();
    FClosing = false;
}

TRect TsSysMenuPopup::RowRect(int row) const {
    int y = 1;
    for (int i = 0; i < row && i < static_cast<int>(FRows.size()); ++i)
        y += IsSeparator(*FRows[i]) ? SeparatorHeight : RowHeight;
    const int h = row < static_cast<int>(FRows.size()) && IsSeparator(*FRows[row]) ? SeparatorHeight
                                                                                   : RowHeight;
    return Rect(1, y, Width() - 1, y + h);
}

int TsSysMenuPopup::RowAt(TPoint p) const {
    for (int i = 0; i < static_cast<int>(FRows.size()); ++i)
        if (RowRect(i).Contains(p)) return i;
    return -1;
}

void TsSysMenuPopup::ChooseRow(int row) {
    if (row < 0 || row >= static_cast<int>(FRows.size()) || !Selectable(*FRows[row])) return;
    const TsMenuItem* item = FRows[row];
    if (!item->Items.empty()) {
        FInSubmenu = true;
        ShowRows(item->Items);
        FSelected = 0;
        return;
    }
    // The item is copied: choosing may rebuild the menu (a new skin) or end the form.
    const TsMenuItem chosen = *item;
    CloseMenu();
    FMenu->Choose(chosen);
}

void TsSysMenuPopup::Step(int direction) {
    const int n = static_cast<int>(FRows.size());
    for (int i = 1; i <= n; ++i) {
        const int row = ((FSelected < 0 && direction < 0 ? n : FSelected) + direction * i + n) % n;
        if (!Selectable(*FRows[row])) continue;
        FSelected = row;
        Invalidate();
        return;
    }
}

void TsSysMenuPopup::WndProc(TMessage& m) {
    if (m.Msg == WM_CAPTURECHANGED && !FClosing && Visible()) {
        CloseMenu();
        return;
    }
    TCustomForm::WndProc(m);
}

void TsSysMenuPopup::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!ClientRect().Contains({x, y})) {
        CloseMenu();
        return;
    }
    TCustomForm::MouseDown(button, shift, x, y);
}

void TsSysMenuPopup::MouseMove(TShiftState shift, int x, int y) {
    const int row = RowAt({x, y});
    if (row != FSelected && (row < 0 || Selectable(*FRows[row]))) {
        FSelected = row;
        Invalidate();
    }
    TCustomForm::MouseMove(shift, x, y);
}

void TsSysMenuPopup::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // The release that ends the opening click lands outside and is ignored.
    const int row = RowAt({x, y});
    if (button == mbLeft && row >= 0) return ChooseRow(row);
    TCustomForm::MouseUp(button, shift, x, y);
}

void TsSysMenuPopup::KeyDown(int& key, TShiftState shift) {
    switch (key) {
    case VK_UP:
        return Step(-1);
    case VK_DOWN:
        return Step(1);
    case VK_RETURN:
        return ChooseRow(FSelected);
    case VK_RIGHT:
        if (FSelected >= 0 && !FRows[FSelected]->Items.empty()) ChooseRow(FSelected);
        return;
    case VK_LEFT:
    case VK_ESCAPE:
        if (FInSubmenu) {
            FInSubmenu = false;
            ShowRows(FMenu->Items());
            return;
        }
        if (key == VK_ESCAPE) CloseMenu();
        return;
    default:
        TCustomForm::KeyDown(key, shift);
    }
}

void TsSysMenuPopup::KeyPress(uint32_t& key) {
    const int upper = key < 128 ? std::toupper(static_cast<int>(key)) : 0;
    for (int i = 0; upper && i < static_cast<int>(FRows.size()); ++i)
        if (FRows[i]->AccessKey == upper && Selectable(*FRows[i])) return ChooseRow(i);
    TCustomForm::KeyPress(key);
}

void TsSysMenuPopup::PaintWindow(HDC dc) {
    TCanvas& c = *dc;
    const TRect all = ClientRect();
    const int section = GetSkinIndex(MenuSection);
    const TCacheInfo none;
    TBitmap picture(all.Width(), all.Height(), GraphicsScale());
    if (section >= 0)
        PaintSectionWithBorder(section, MenuSection, 0, true, none, &picture, all, {0, 0});
    else
        picture.Canvas()->Brush()->SetColor(clMenu), picture.Canvas()->FillRect(all);
    TCanvas* pc = picture.Canvas();
    pc->SetFont(*Font());
    for (int i = 0; i < static_cast<int>(FRows.size()); ++i) {
        const TsMenuItem& item = *FRows[i];
        TRect r = RowRect(i);
        if (IsSeparator(item)) {
            pc->Brush()->SetColor(clBtnShadow);
            pc->FillRect(Rect(r.Left + 2, r.Top + 3, r.Right - 2, r.Top + 4));
            continue;
        }
        const bool hot = i == FSelected;
        if (hot && section >= 0)
            PaintSectionWithBorder(section, MenuSection, 1, true, none, &picture, r,
                                   {r.Left, r.Top});
        else if (hot)
            pc->Brush()->SetColor(clHighlight), pc->FillRect(r);
        TRect text = Rect(r.Left + TextMargin, r.Top, r.Right - SubmenuArrow, r.Bottom);
        const unsigned flags = DT_SINGLELINE | DT_VCENTER;
        WriteSectionText(pc, Marked(item), item.Enabled, hot, section, flags | DT_LEFT, text);
        text = Rect(r.Left + TextMargin, r.Top, r.Right - SubmenuArrow, r.Bottom);
        if (!item.ShortCut.empty())
            WriteSectionText(pc, item.ShortCut, item.Enabled, hot, section,
                             flags | DT_RIGHT | DT_NOPREFIX, text);
        if (!item.Items.empty()) {
            TRect arrow = Rect(r.Right - SubmenuArrow, r.Top, r.Right - 4, r.Bottom);
            WriteSectionText(pc, ">", item.Enabled, hot, section, flags | DT_RIGHT, arrow);
        }
    }
    c.BitBlt(0, 0, all.Width(), all.Height(), picture, 0, 0);
}

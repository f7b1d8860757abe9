#include "tools/SkinSheetLayout.h"

#include <algorithm>

#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

using namespace SkinSheetMetrics;

int StateCount(const TsMaskData& m) {
    return m.Bmp ? 3 : std::max<int>(1, m.ImageCount);
}

TSize ShownCell(int mask) {
    const TSize c = CellSize(mask);
    const bool sane = c.cx > 0 && c.cy > 0 && c.cx <= MaxItemCell && c.cy <= MaxItemCell &&
                      StateCount(SkinMasks[mask]) <= MaxItemStates;
    return sane ? c : TSize{};
}

int SmallColumn(int state) {
    return NameW + state * (SheetSmallCell.cx + Gap);
}

int LargeColumn(int state) {
    return SmallColumn(3) + Gap + state * (SheetLargeCell.cx + Gap);
}

TSheetLayout MeasureSkinSheet(const std::vector<int>& items) {
    TSheetLayout l;
    l.Width = 2 * SectionPanelW + PanelGap + 2 * Margin;
    int y = Margin + 2 * LineH + 2 * Gap;

    const int sections = static_cast<int>(SkinGeneralData.size());
    l.SectionsTop = y;
    l.SectionRows = (sections + 1) / 2;
    y += (sections > 0 ? 2 * LineH + 9 + l.SectionRows * SectionRowH : LineH) + 2 * Gap;

    l.ItemsTop = y;
    for (int mask : items) {
        const TSize c = ShownCell(mask);
        l.ItemCell = {std::max(l.ItemCell.cx, c.cx), std::max(l.ItemCell.cy, c.cy)};
        if (c.cx > 0) l.ItemStates = std::max(l.ItemStates, StateCount(SkinMasks[mask]));
    }
    l.ItemColumnW = std::max(3 * l.ItemCell.cx + Gap / 2, 60);
    l.ItemPanelW = NameW + l.ItemStates * (l.ItemColumnW + Gap) - Gap;
    l.ItemPanels = 2 * l.ItemPanelW + PanelGap + 2 * Margin <= l.Width ? 2 : 1;
    l.Width = std::max(l.Width, l.ItemPanelW + 2 * Margin);
    const int count = static_cast<int>(items.size());
    l.ItemRows = (count + l.ItemPanels - 1) / l.ItemPanels;
    l.ItemRowH = std::max(2 * l.ItemCell.cy, 3 * LineH) + Gap;
    if (count > 0) y += 2 * LineH + 9 + l.ItemRows * l.ItemRowH + 2 * Gap;

    l.MasterTop = y;
    y += LineH + 5;
    if (SkinMasterBitmap && !SkinMasterBitmap->Empty()) {
        const int w = SkinMasterBitmap->Width();
        l.MasterScale = 3 * w <= MaxMasterW ? 3 : 2 * w <= MaxMasterW ? 2 : 1;
        l.Width = std::max(l.Width, l.MasterScale * w + 2 + 2 * Margin);
        l.MasterViewH = LineH + 5 + l.MasterScale * SkinMasterBitmap->Height() + 1 + 2 * Gap;
        y += 2 * l.MasterViewH - LineH - 5 - 2 * Gap;
    }
    l.Height = y + Margin;
    return l;
}

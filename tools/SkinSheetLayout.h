#pragma once
// The skin sheet's geometry: spacing, columns and where each part begins,
// worked out before anything is painted so that the sheet's size is known.

#include <algorithm>
#include <vector>

#include "platform/Types.h"
#include "skin/TsMaskData.h"
#include "tools/SkinSheetRender.h"

namespace SkinSheetMetrics {
constexpr int Margin = 12;
constexpr int Gap = 8;
constexpr int LineH = 14;  // one line of Tahoma 8 pt with a little air
constexpr int NameW = 184; // the name column of both tables
constexpr int PanelGap = 3 * Gap;
constexpr int MaxMasterW = 1400;
// Larger pictures or more states than these are nonsense from a broken skin;
// such items are listed without pictures rather than blowing up the sheet.
constexpr int MaxItemCell = 200;
constexpr int MaxItemStates = 8;
constexpr int SectionPanelW =
    NameW + 3 * (SheetSmallCell.cx + Gap) + Gap + 3 * (SheetLargeCell.cx + Gap) - Gap;
constexpr int SectionRowH = std::max(SheetLargeCell.cy, 2 * LineH) + Gap;
} // namespace SkinSheetMetrics

struct TSheetLayout {
    int Width = 0, Height = 0;
    int SectionsTop = 0, SectionRows = 0;
    int ItemsTop = 0, ItemRows = 0, ItemPanels = 1, ItemStates = 3;
    TSize ItemCell; // the largest state picture
    int ItemColumnW = 0, ItemPanelW = 0, ItemRowH = 0;
    int MasterTop = 0, MasterScale = 1, MasterViewH = 0;
};

// The layout of the loaded skin's sheet with these state image masks.
TSheetLayout MeasureSkinSheet(const std::vector<int>& items);

// States of a mask: 3 for an own bitmap, else its image count (at least 1).
int StateCount(const TsMaskData& m);
// The state picture's size, or nothing when it is too big to show.
TSize ShownCell(int mask);
// Where the small and large cells of a state lie, from a section panel's left.
int SmallColumn(int state);
int LargeColumn(int state);

#pragma once
// The skin sheet: one picture of the loaded skin for a person reviewing it.
// Every section is painted with its border mask at two sizes in the normal,
// hot and pressed states; every other mask shows each of its state images at
// their own size and twice that; the master bitmap follows, enlarged. Names
// and column labels are written in Tahoma 8 pt on a light neutral ground.
//
// The sheet reads the process-wide skin state, so a skin must be loaded first
// (tools/SkinSheetSource.h, or the stored-skin loader directly).

#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/TBitmap.h"
#include "platform/Types.h"

enum TSheetEntryKind { seText, seRule, seSection, seStateImage, seMaster };

// One thing put on the sheet; everything drawn lies inside some entry's Rect.
struct TSheetEntry {
    TSheetEntryKind Kind = seText;
    std::string Name; // the text; the section; "SECTION PROPERTY" of a state image
    int State = 0;    // sections and state images: 0 normal, 1 hot, 2 pressed, ...
    int Scale = 1;    // state images and the master bitmap: the enlargement
    int Mask = -1;    // state images: the index into SkinMasks
    TRect Rect;
};

struct TSkinSheet {
    std::unique_ptr<TBitmap> Picture;
    std::vector<TSheetEntry> Entries;
};

// The two sizes every section is painted at, and the sheet's ground.
constexpr TSize SheetSmallCell{48, 24};
constexpr TSize SheetLargeCell{100, 44};
constexpr TColor SheetBackground = 0xF0F0F0;

// The sheet of the skin loaded now; Title names it at the top.
TSkinSheet RenderSkinSheet(const std::string& title);

// The masks the sheet shows as state images: all but border masks and the
// master bitmap's own item, in load order. A border mask of a section the
// skin does not have is listed too, so that every item appears somewhere.
std::vector<int> SheetStateImageMasks();

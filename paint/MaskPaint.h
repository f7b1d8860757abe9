#pragma once
// Skin masks: state pictures cut from the master bitmap or from a bitmap of
// their own, read through their see-through colour (0xFF00FF) or their alpha
// row, put down singly, as nine-part borders, or read as see-through runs for
// window regions.
//
// What shows through a see-through pixel comes from the parent's picture and
// the mask override colour (ParentMaskColor when painting for real), which
// the functions take as arguments.

#include <vector>

#include "paint/ParentColors.h"
#include "paint/TCacheInfo.h"
#include "platform/TRegion.h"
#include "platform/Types.h"

class TBitmap;

// One mask as the painters read it.
struct TsMaskImage {
    const TBitmap* Bitmap = nullptr; // the master bitmap, or the mask's own
    bool OwnBitmap = false;          // own: 3 cells across, picture row over alpha row
    TRect R;                         // the mask's rectangle in the master bitmap
    int ImageCount = 0;
    int MaskType = 0; // 0: see-through colour only; 1: alpha row under the pictures
    int BorderWidth = 0;
};

// Width and height of one state picture.
TSize CellSize(const TsMaskImage& mask);

// Copies Src's rectangle (inclusive right and bottom) to Dst at At; pixels of
// Key take the override colour when set, else the parent's pixel when Parent
// is Ready, else are left.
void CopyKeyed(TBitmap* dst, const TBitmap* src, TPoint at, const TCacheInfo& parent, TColor key,
               TRect srcRect, TColor maskOverride = clSeeThrough);

// Copies picture pixels from Src's rectangle through the alpha row AlphaOffset
// rows lower: each channel becomes MixByMask(dst, picture, alpha). Pixels of
// 0xFF00FF take the parent's pixel when Parent is Ready, else the override
// colour when set, else are left.
void CopyAlpha(TRect dstRect, TRect srcRect, TBitmap* dst, const TBitmap* src, int alphaOffset,
               const TCacheInfo& parent, TColor maskOverride = clSeeThrough);

// One state picture with its top-left at At. States past the last one draw the last.
void DrawStateImage(TBitmap* dst, TPoint at, int state, const TsMaskImage& mask, bool opaque,
                    TColor maskOverride = clSeeThrough);

// The nine-part border of Rect; the centre too when Filling is set. Rectangles
// under 2 pixels across are left alone.
void DrawBorderMask(TBitmap* dst, TRect rect, bool filling, int state, const TsMaskImage& mask,
                    const TCacheInfo& parent, TColor maskOverride = clSeeThrough);

// The border painter of push buttons: the same pieces, but see-through pixels
// are not drawn; each run of them in a row is removed from Region instead.
void DrawBorderMaskRegion(TBitmap* dst, TRect rect, bool filling, int state,
                          const TsMaskImage& mask, TRegion& region);

// Appends one rectangle per run of see-through pixels in the left and right
// corners of the top (or, with Bottom, the bottom) piece row of state 0, the
// right corner moved to the right edge of a destination Width wide.
void SeeThroughRects(const TsMaskImage& mask, int width, bool bottom, int rowOffset,
                     std::vector<TRect>& rects);

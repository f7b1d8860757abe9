#include "skin/SkinPaint.h"

#include "framework/graphics/TBitmap.h"
#include "paint/ParentColors.h"
#include "skin/SkinState.h"

namespace {
bool ValidMask(int maskIndex) {
    return maskIndex >= 0 && maskIndex < static_cast<int>(SkinMasks.size());
}

const std::string& NameOf(int skinIndex, const std::string& sectionName) {
    return sectionName.empty() ? SkinGeneralData[skinIndex].SectionName : sectionName;
}
// A mask of the pattern's name first (small pictures are kept as masks), else
// a pattern item, decoded when it was loaded.
void SetLookPattern(TsSectionLook& look, int skinIndex, const std::string& sectionName, bool hot) {
    const std::string& section = NameOf(skinIndex, sectionName);
    const char* name = hot ? "HOTPATTERN" : "PATTERN";
    const TsMaskImage tile = SkinMaskImage(GetMaskIndex(skinIndex, section, name));
    if (tile.Bitmap) {
        look.Pattern = tile.Bitmap;
        look.PatternRect =
            tile.OwnBitmap ? TRect{0, 0, tile.Bitmap->Width(), tile.Bitmap->Height()} : tile.R;
        return;
    }
    const int pattern = GetPatternIndex(skinIndex, section, name);
    if (pattern < 0 || !SkinPatterns[pattern].Bmp) return;
    look.Pattern = SkinPatterns[pattern].Bmp.get();
    look.PatternRect = {0, 0, look.Pattern->Width(), look.Pattern->Height()};
}

} // namespace

TsMaskImage SkinMaskImage(int maskIndex) {
    if (!ValidMask(maskIndex)) return {};
    const TsMaskData& m = SkinMasks[maskIndex];
    TsMaskImage image;
    image.OwnBitmap = m.Bmp != nullptr;
    image.Bitmap = m.Bmp ? m.Bmp.get() : SkinMasterBitmap.get();
    image.R = m.R;
    image.ImageCount = m.ImageCount;
    image.MaskType = m.MaskType;
    image.BorderWidth = m.BorderWidth;
    return image;
}

TsSectionLook SkinSectionLook(int skinIndex, const std::string& sectionName, bool hot,
                              bool withPattern) {
    TsSectionLook look;
    if (!IsValidSkinIndex(skinIndex)) return look;
    const TsGeneralData& s = SkinGeneralData[skinIndex];
    look.Color = hot ? s.HotColor : s.Color;
    look.Transparency = hot ? s.HotTransparency : s.Transparency;
    look.GradientPercent = hot ? s.HotGradientPercent : s.GradientPercent;
    look.GradientData = hot ? s.HotGradientData : s.GradientData;
    look.GradientArray = hot ? &s.HotGradientArray : &s.GradientArray;
    look.ImagePercent = hot ? s.HotImagePercent : s.ImagePercent;
    look.BackOverride = ParentBackColor;
    if (withPattern && look.ImagePercent > 0) SetLookPattern(look, skinIndex, sectionName, hot);
    return look;
}

TSize CellSize(int maskIndex) {
    return CellSize(SkinMaskImage(maskIndex));
}

void DrawStateImage(TBitmap* dst, TPoint at, int state, int maskIndex, bool opaque) {
    if (ValidMask(maskIndex))
        DrawStateImage(dst, at, state, SkinMaskImage(maskIndex), opaque, ParentMaskColor);
}

void DrawBorderMask(TBitmap* dst, TRect rect, bool filling, int state, int maskIndex,
                    const TCacheInfo& parent) {
    if (ValidMask(maskIndex))
        DrawBorderMask(dst, rect, filling, state, SkinMaskImage(maskIndex), parent,
                       ParentMaskColor);
}

void DrawBorderMaskRegion(TBitmap* dst, TRect rect, bool filling, int state, int maskIndex,
                          TRegion& region) {
    if (ValidMask(maskIndex))
        DrawBorderMaskRegion(dst, rect, filling, state, SkinMaskImage(maskIndex), region);
}

void SeeThroughRects(int maskIndex, int width, bool bottom, int rowOffset,
                     std::vector<TRect>& rects) {
    if (ValidMask(maskIndex))
        SeeThroughRects(SkinMaskImage(maskIndex), width, bottom, rowOffset, rects);
}

void PaintSection(int skinIndex, const std::string& sectionName, bool hot, const TCacheInfo& parent,
                  TBitmap* target, TRect rect, TPoint offset) {
    if (!IsValidSkinIndex(skinIndex)) return;
    PaintSectionLook(SkinSectionLook(skinIndex, sectionName, hot, true), parent, target, rect,
                     offset, false);
}

void PaintSectionNoPattern(int skinIndex, bool hot, const TCacheInfo& parent, TBitmap* target,
                           TRect rect, TPoint offset) {
    if (!IsValidSkinIndex(skinIndex)) return;
    PaintSectionLook(SkinSectionLook(skinIndex, "", hot, false), parent, target, rect, offset,
                     true);
}

void PaintSectionWithBorder(int skinIndex, const std::string& sectionName, int state, bool filling,
                            const TCacheInfo& parent, TBitmap* target, TRect rect, TPoint offset) {
    if (!IsValidSkinIndex(skinIndex)) return;
    PaintSection(skinIndex, sectionName, state > 0, parent, target, rect, offset);
    const int border = GetMaskIndex(skinIndex, NameOf(skinIndex, sectionName), "BORDERSMASK");
    DrawBorderMask(target, rect, filling, state, border, parent);
}

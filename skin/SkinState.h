#pragma once
// The one loaded skin of the process: its sections, masks, patterns and
// master bitmap, the lookups by name that painters use, and clearing.
//
// Indexes are positions in these arrays; -1 means "none". A load replaces all
// of them, so holders of an index re-resolve it on the new-skin command.

#include <memory>
#include <string>

#include "framework/graphics/TBitmap.h"
#include "skin/TsGeneralData.h"
#include "skin/TsMaskData.h"
#include "skin/TsPatternData.h"
#include "skin/TsSkinData.h"

extern TsGeneralDataArray SkinGeneralData;
extern TsMaskArray SkinMasks;
extern TsPatternArray SkinPatterns;
// 24 bits, transparent with colour 0xFF00FF whenever present.
extern std::shared_ptr<TBitmap> SkinMasterBitmap;
// Lives for the whole run.
extern const std::unique_ptr<TsSkinData> GlobalSkinData;

// The first section whose name equals name without regard to case, or -1.
int GetSkinIndex(const std::string& name);
bool IsValidSkinIndex(int skinIndex);
// The first mask of the section (or, failing that, of its parent, grand-parent,
// ...) with the property name (exact, upper case), or -1. A parent chain that
// comes back to a section already visited ends with -1.
int GetMaskIndex(int skinIndex, const std::string& sectionName, const std::string& propertyName);
// The same over the patterns; -1 while the skin is not ready.
int GetPatternIndex(int skinIndex, const std::string& sectionName, const std::string& propertyName);

// Frees every mask's own bitmap, empties the masks and frees the master bitmap.
void ClearSkinMasks();
void ClearSkinPatterns();
void ClearSkinSections();
// Everything a load replaces. The manager takes it out before a load and puts
// it back when the load fails, so a skin that cannot be read leaves the one
// shown before in place, indexes and all.
struct TsLoadedSkin {
    TsGeneralDataArray Sections;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    std::shared_ptr<TBitmap> MasterBitmap;
    std::unique_ptr<TsMemIniFile> IniFile;
    std::string SkinPath;
    bool SkinReady = false;
    double Version = 0;
    std::string Author;
    std::string Description;
};
// Moves the loaded skin out; the state is then empty and not ready.
TsLoadedSkin TakeLoadedSkin();
void RestoreLoadedSkin(TsLoadedSkin&& skin);

// Gives the master bitmap the form every painter expects: 24 bits, magenta see-through.
void PrepareMasterBitmap(TBitmap& bmp);
// A skin picture as the painters take it: at the screen's scale, each pixel
// of a decoded picture doubled without smoothing on a 2x screen. A picture
// already at that scale is shared as it is.
std::shared_ptr<TBitmap> ScreenPicture(std::shared_ptr<TBitmap> picture);
std::unique_ptr<TBitmap> ScreenPicture(TPixels decoded);

// ASCII upper case, the form every stored section and property name takes.
std::string UpperSkinName(const std::string& s);

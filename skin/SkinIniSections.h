#pragma once
// Skin sections, masks and patterns written as ini text: the keys of a
// section, their defaults, and the values that name master-bitmap
// rectangles. Used for the manager's CommonSections, which are appended to
// every loaded skin.

#include <string>

#include "skin/TsGeneralData.h"
#include "skin/TsMaskData.h"
#include "skin/TsMemIniFile.h"

// A section with the default of every key (skin/SkinSectionFields.h).
TsGeneralData IniSectionDefaults();

// Overwrites the fields of d whose keys the section sets. A missing key, an
// integer key that is not a number or is -1, counts as not set. PARENTCLASS
// and SECTIONNAME are left to the caller. A bad gradient string raises
// EConvertError.
void ReadIniSectionKeys(const TsMemIniFile& ini, const std::string& section, TsGeneralData& d);

// "#(Left,Top,Right,Bottom)(ImageCount,MaskType,BorderWidth)": a value with
// '#' other than "#" alone. Fills R and the counts of m; numbers that are not
// integers raise EConvertError.
bool IsMaskRectValue(const std::string& value);
void ParseMaskRect(const std::string& value, TsMaskData& m);

// The CommonSections steps: masks (rectangles when a master bitmap is loaded,
// and bitmap files) from every section but GLOBALINFO, then sections, each
// appended after those already loaded. A missing key takes the value of the
// loaded section that PARENTCLASS names, else the default; ShadowColor and
// ShadowDontUse are never taken from the parent (their key column in
// skin/SkinSectionFields.h).
void LoadIniCommonMasks(const TsMemIniFile& ini);
void LoadIniCommonSections(const TsMemIniFile& ini);

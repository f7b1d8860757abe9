#pragma once
// The sections of a skin folder's Options.dat: every key read through the
// section's chain of parent classes, the default of the field list
// (skin/SkinSectionFields.h) where no section of the chain sets it.

#include <string>
#include <vector>

#include "skin/TsGeneralData.h"
#include "skin/TsMemIniFile.h"
#include "skin/folder/ESkinFolderError.h"

// The section itself, then its PARENTCLASS, that one's PARENTCLASS and so on.
// A chain that comes back to a section already in it stops there, and a
// sentence saying so is added to Notices; a section naming itself is simply
// the end of its chain.
std::vector<std::string> ParentChain(const TsMemIniFile& ini, const std::string& section,
                                     std::vector<std::string>* notices = nullptr);

// One section as the skin holds it: SectionName as written, ParentClass from
// the section alone, every other field from the first section of the chain
// that sets its key (a missing key, an integer that is not a number or is -1,
// counts as not set), COLOR made RGB. ShadowColor is never inherited and
// ShadowDontUse never read. A bad gradient string raises ESkinFolderError
// naming the section and key.
TsGeneralData ReadFolderSection(const TsMemIniFile& ini, const std::string& section,
                                std::vector<std::string>* notices = nullptr);

// VERSION of GLOBALINFO with '.' as the decimal separator whatever the
// locale; 0 when missing or not a number.
double ReadSkinVersion(const TsMemIniFile& ini);

#include "skin/SkinState.h"

#include <algorithm>

TsGeneralDataArray SkinGeneralData;
TsMaskArray SkinMasks;
TsPatternArray SkinPatterns;
std::unique_ptr<TBitmap> SkinMasterBitmap;
const std::unique_ptr<TsSkinData> GlobalSkinData = std::make_unique<TsSkinData>();

namespace {

bool SameUpper(const std::string& upper, const std::string& other) {
    if (upper.size() != other.size()) return false;
    for (size_t i = 0; i < upper.size(); ++i)
        if (upper[i] != static_cast<char>(toupper(static_cast<unsigned char>(other[i]))))
            return false;
    return true;
}

// Both lookups walk the same chain: the section, then its parent, and so on.
template <class TItems>
int FindInChain(const TItems& items, int skinIndex, const std::string& sectionName,
                const std::string& propertyName) {
    std::vector<bool> visited(SkinGeneralData.size(), false);
    std::string section = UpperSkinName(sectionName);
    while (IsValidSkinIndex(skinIndex) && !section.empty() && !visited[skinIndex]) {
        visited[skinIndex] = true;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].PropertyName == propertyName && items[i].SectionName == section)
                return static_cast<int>(i);
        const std::string parent = UpperSkinName(SkinGeneralData[skinIndex].ParentClass);
        if (parent.empty() || parent == section) return -1;
        skinIndex = GetSkinIndex(parent);
        section = parent;
    }
    return -1;
}

} // namespace

std::string UpperSkinName(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return out;
}

int GetSkinIndex(const std::string& name) {
    const std::string upper = UpperSkinName(name);
    for (size_t i = 0; i < SkinGeneralData.size(); ++i)
        if (SameUpper(upper, SkinGeneralData[i].SectionName)) return static_cast<int>(i);
    return -1;
}

bool IsValidSkinIndex(int skinIndex) {
    return GlobalSkinData && skinIndex >= 0 &&
           static_cast<size_t>(skinIndex) < SkinGeneralData.size();
}

int GetMaskIndex(int skinIndex, const std::string& sectionName, const std::string& propertyName) {
    return FindInChain(SkinMasks, skinIndex, sectionName, propertyName);
}

int GetPatternIndex(int skinIndex, const std::string& sectionName,
                    const std::string& propertyName) {
    if (!GlobalSkinData->SkinReady) return -1;
    return FindInChain(SkinPatterns, skinIndex, sectionName, propertyName);
}

void ClearSkinMasks() {
    SkinMasks.clear();
    SkinMasterBitmap.reset();
}

void ClearSkinPatterns() {
    SkinPatterns.clear();
}

void ClearSkinSections() {
    SkinGeneralData.clear();
}

void PrepareMasterBitmap(TBitmap& bmp) {
    bmp.Transparent = true;
    bmp.TransparentColor = 0xFF00FF;
}

#include "skin/SkinState.h"

#include <algorithm>

TsGeneralDataArray SkinGeneralData;
TsMaskArray SkinMasks;
TsPatternArray SkinPatterns;
std::shared_ptr<TBitmap> SkinMasterBitmap;
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

TsLoadedSkin TakeLoadedSkin() {
    TsSkinData& g = *GlobalSkinData;
    TsLoadedSkin skin{std::move(SkinGeneralData),
                      std::move(SkinMasks),
                      std::move(SkinPatterns),
                      std::move(SkinMasterBitmap),
                      std::move(g.IniFile),
                      std::move(g.SkinPath),
                      g.SkinReady,
                      g.Version,
                      std::move(g.Author),
                      std::move(g.Description)};
    SkinGeneralData.clear();
    SkinMasks.clear();
    SkinPatterns.clear();
    g.SkinPath.clear();
    g.SkinReady = false;
    g.Version = 0;
    g.Author.clear();
    g.Description.clear();
    return skin;
}

void RestoreLoadedSkin(TsLoadedSkin&& skin) {
    TsSkinData& g = *GlobalSkinData;
    SkinGeneralData = std::move(skin.Sections);
    SkinMasks = std::move(skin.Masks);
    SkinPatterns = std::move(skin.Patterns);
    SkinMasterBitmap = std::move(skin.MasterBitmap);
    g.IniFile = std::move(skin.IniFile);
    g.SkinPath = std::move(skin.SkinPath);
    g.SkinReady = skin.SkinReady;
    g.Version = skin.Version;
    g.Author = std::move(skin.Author);
    g.Description = std::move(skin.Description);
}

std::shared_ptr<TBitmap> ScreenPicture(std::shared_ptr<TBitmap> picture) {
    if (!picture || picture->Scale() == GraphicsScale()) return picture;
    auto copy = std::make_shared<TBitmap>(0, 0, GraphicsScale());
    copy->SetPixels(picture->Pixels(), picture->Scale());
    copy->Transparent = picture->Transparent;
    copy->TransparentColor = picture->TransparentColor;
    return copy;
}

std::unique_ptr<TBitmap> ScreenPicture(TPixels decoded) {
    auto bmp = std::make_unique<TBitmap>(0, 0, GraphicsScale());
    bmp->SetPixels(std::move(decoded));
    return bmp;
}

void PrepareMasterBitmap(TBitmap& bmp) {
    bmp.Transparent = true;
    bmp.TransparentColor = 0xFF00FF;
}

#include "skin/stored/StoredSkinLoader.h"

#include "skin/SkinState.h"
#include "skin/stored/TsStoredSkin.h"

void LoadStoredMasks(const TsStoredSkin& skin) {
    ClearSkinMasks();
    SkinMasterBitmap = std::make_unique<TBitmap>();
    SkinMasterBitmap->Assign(skin.MasterBitmap()->Bitmap);
    PrepareMasterBitmap(*SkinMasterBitmap);
    SkinMasks.reserve(skin.Images()->Count());
    for (const auto& item : *skin.Images()) {
        TsMaskData m;
        if (item->ImageCount == 0) {
            m.Bmp = std::make_unique<TBitmap>();
            m.Bmp->Assign(item->Image()->Bitmap);
        }
        m.SectionName = UpperSkinName(item->SectionName);
        m.PropertyName = UpperSkinName(item->PropertyName);
        m.R = TRect{item->Left, item->Top, item->Right, item->Bottom};
        m.ImageCount = item->ImageCount;
        m.MaskType = item->MaskType;
        m.BorderWidth = item->BorderWidth;
        SkinMasks.push_back(std::move(m));
    }
}

void LoadStoredPatterns(const TsStoredSkin& skin) {
    ClearSkinPatterns();
    for (const auto& item : *skin.Patterns())
        SkinPatterns.push_back({item->Image()->Bytes, UpperSkinName(item->SectionName),
                                UpperSkinName(item->PropertyName)});
}

void LoadStoredSections(const TsStoredSkin& skin) {
    ClearSkinSections();
    SkinGeneralData.reserve(skin.GeneralData()->Count());
    for (const auto& item : *skin.GeneralData())
        SkinGeneralData.push_back(item->ToGeneralData());
}

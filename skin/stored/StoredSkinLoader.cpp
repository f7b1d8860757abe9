#include "skin/stored/StoredSkinLoader.h"

#include "platform/JpegDecoder.h"
#include "skin/SkinState.h"
#include "skin/stored/TsStoredSkin.h"

void LoadStoredMasks(const TsStoredSkin& skin) {
    ClearSkinMasks();
    // The stored pictures are painted with as they are, no copies of their
    // pixels, unless the screen is scaled.
    SkinMasterBitmap = ScreenPicture(skin.MasterBitmap()->Shared());
    PrepareMasterBitmap(*SkinMasterBitmap);
    SkinMasks.reserve(skin.Images()->Count());
    for (const auto& item : *skin.Images()) {
        TsMaskData m;
        if (item->ImageCount == 0) m.Bmp = ScreenPicture(item->Image()->Shared());
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
    for (const auto& item : *skin.Patterns()) {
        TsPatternData p;
        p.Img = item->Image()->Bytes;
        p.SectionName = UpperSkinName(item->SectionName);
        p.PropertyName = UpperSkinName(item->PropertyName);
        // A stored picture that does not decode is kept as bytes and not painted.
        try {
            p.Bmp = ScreenPicture(DecodeJpeg(p.Img.data(), p.Img.size()));
        } catch (const EInvalidGraphic&) {
            p.Bmp.reset();
        }
        SkinPatterns.push_back(std::move(p));
    }
}

void LoadStoredSections(const TsStoredSkin& skin) {
    ClearSkinSections();
    SkinGeneralData.reserve(skin.GeneralData()->Count());
    for (const auto& item : *skin.GeneralData())
        SkinGeneralData.push_back(item->ToGeneralData());
}

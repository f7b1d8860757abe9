#pragma once
// A skin kept inside a form definition: its sections, masks, patterns and
// master bitmap, streamed with the skin manager that holds it.

#include <string>

#include "skin/TsCollection.h"
#include "skin/stored/TsSkinGeneral.h"
#include "skin/stored/TsSkinImage.h"
#include "skin/stored/TsSkinPattern.h"
#include "skin/stored/TsStoredPicture.h"

using TsSkinGenerals = TsCollection<TsSkinGeneral>;
using TsSkinImages = TsCollection<TsSkinImage>;
using TsSkinPatterns = TsCollection<TsSkinPattern>;

class TsStoredSkin : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    std::string Name; // e.g. "Office12Style (internal)"
    TsSkinGenerals* GeneralData() { return &FGeneralData; }
    TsSkinImages* Images() { return &FImages; }
    TsSkinPatterns* Patterns() { return &FPatterns; }
    TsStoredBitmap* MasterBitmap() { return &FMasterBitmap; }
    const TsSkinGenerals* GeneralData() const { return &FGeneralData; }
    const TsSkinImages* Images() const { return &FImages; }
    const TsSkinPatterns* Patterns() const { return &FPatterns; }
    const TsStoredBitmap* MasterBitmap() const { return &FMasterBitmap; }

    // Copies every item and picture of src.
    void Assign(const TsStoredSkin& src);

private:
    TsSkinGenerals FGeneralData;
    TsSkinImages FImages;
    TsSkinPatterns FPatterns;
    TsStoredBitmap FMasterBitmap;
};

class TsStoredSkins : public TsCollection<TsStoredSkin> {
public:
    void Assign(const TsStoredSkins& src);
    // The first stored skin with exactly this name, or null.
    const TsStoredSkin* Find(const std::string& name) const;
};

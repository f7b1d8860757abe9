#pragma once
// One mask of a stored skin: a rectangle of the master bitmap with its state
// image layout, or (ImageCount 0) a picture of its own.

#include <cstdint>
#include <string>

#include "framework/component/TPersistent.h"
#include "skin/stored/TsStoredPicture.h"

class TsSkinImage : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    TsStoredBitmap* Image() { return &FImage; }
    const TsStoredBitmap* Image() const { return &FImage; }

    // Published, in streaming order (Image between SectionName and Name).
    std::string SectionName;
    std::string Name; // the source file, e.g. "MASTER.BMP"
    std::string PropertyName;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    int16_t ImageCount = 0;
    int16_t MaskType = 0;
    int16_t BorderWidth = 0;

private:
    TsStoredBitmap FImage;
};

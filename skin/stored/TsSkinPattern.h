#pragma once
// One pattern of a stored skin: a JPEG picture for a section's background.

#include <string>

#include "framework/component/TPersistent.h"
#include "skin/stored/TsStoredPicture.h"

class TsSkinPattern : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    TsStoredJpeg* Image() { return &FImage; }
    const TsStoredJpeg* Image() const { return &FImage; }

    // Published, in streaming order (Image between SectionName and Name).
    std::string SectionName;
    std::string Name;
    std::string PropertyName;

private:
    TsStoredJpeg FImage;
};

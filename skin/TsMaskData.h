#pragma once
// One mask of the loaded skin: a rectangle of the master bitmap, or a bitmap
// of its own, with the layout of its state images.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/TBitmap.h"
#include "platform/Types.h"

struct TsMaskData {
    std::shared_ptr<TBitmap> Bmp; // null when the mask is a rectangle of the master bitmap
    std::string SectionName;      // upper case
    std::string PropertyName;     // upper case: BORDERSMASK, GLYPHMASK, ...
    TRect R;                      // all 0 for an own-bitmap mask
    int16_t ImageCount = 0;
    int16_t MaskType = 0;
    int16_t BorderWidth = 0;
};

using TsMaskArray = std::vector<TsMaskData>;

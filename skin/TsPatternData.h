#pragma once
// One pattern of the loaded skin: a JPEG picture tiled behind a section.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/TBitmap.h"

struct TsPatternData {
    // The JPEG file's bytes, as the skin holds them.
    std::vector<uint8_t> Img;
    std::string SectionName;  // upper case
    std::string PropertyName; // upper case: PATTERN or HOTPATTERN
    // The picture decoded once at load, which painters tile; null when the
    // bytes could not be decoded.
    std::unique_ptr<TBitmap> Bmp;
};

using TsPatternArray = std::vector<TsPatternData>;

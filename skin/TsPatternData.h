#pragma once
// One pattern of the loaded skin: a JPEG picture tiled behind a section.

#include <cstdint>
#include <string>
#include <vector>

struct TsPatternData {
    // The JPEG file's bytes; decoding happens where the picture is painted.
    std::vector<uint8_t> Img;
    std::string SectionName;  // upper case
    std::string PropertyName; // upper case: PATTERN or HOTPATTERN
};

using TsPatternArray = std::vector<TsPatternData>;

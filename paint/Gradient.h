#pragma once
// Multi-stop linear gradients: the parsed form of a section's gradient string
// and the fill of a rectangle of a 24-bit bitmap with it.
//
// A gradient string is a ';'-separated list of integers, five per group:
// start colour, end colour, share in percent, direction (first group only),
// and a reserved word that is never read.

#include <cstdint>
#include <string>
#include <vector>

#include "framework/component/SysUtils.h"
#include "platform/Types.h"

class TBitmap;

enum TsGradMode : int32_t { gmVertical = 0, gmHorizontal = 1 };

struct TsGradPie {
    TColor Color1 = 0;
    TColor Color2 = 0;
    uint32_t Percent = 0; // 0..100, kept in an 8-bit range
    int32_t Mode = 0;
    int32_t Reserved = 0;
};

using TsGradArray = std::vector<TsGradPie>;

// The three bytes of a colour value; the top byte is ignored.
struct TsBGR {
    uint8_t B = 0;
    uint8_t G = 0;
    uint8_t R = 0;
};
inline TsBGR SplitColor(TColor color) {
    const auto c = static_cast<uint32_t>(color);
    return {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c)};
}

// Replaces Data with the groups of Text. A word that is not an integer raises
// EConvertError; Data then holds the groups before it and zeros after it.
void ParseGradientData(const std::string& text, TsGradArray& data);
TsGradArray ParseGradientData(const std::string& text);

// Fills Rect (half-open, clipped to the bitmap) with the groups. Nothing is
// painted for an empty array or a first-group direction other than 0 or 1.
void FillGradient(TBitmap* bitmap, TRect rect, const TsGradArray& data);

#pragma once
// One section of the loaded skin: colours, bevels, gradients, text contours,
// shadow and fading settings of one kind of control.

#include <cstdint>
#include <string>
#include <vector>

#include "paint/Gradient.h"
#include "platform/Types.h"
#include "skin/SkinSectionFields.h"

// The fields of skin/SkinSectionFields.h, in its order. A default-made section
// has no gradient (" "), no text contours (-1) and zeros elsewhere; loaders set
// every field.
struct TsGeneralData {
#define TS_FIELD(kind, name, def, key) SectionField::kind::Value name{};
#define TS_TEXT_COLORS(name, left, top, right, bottom)                                             \
    TColor name = 0, left = -1, top = -1, right = -1, bottom = -1;
#define TS_GRADIENT(name, def, parsed)                                                             \
    std::string name = " ";                                                                        \
    TsGradArray parsed;
#define TS_STORED(name)
    TS_SKIN_SECTION_FIELDS(TS_FIELD, TS_TEXT_COLORS, TS_GRADIENT, TS_STORED)
#undef TS_FIELD
#undef TS_TEXT_COLORS
#undef TS_GRADIENT
#undef TS_STORED
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

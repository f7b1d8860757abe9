#pragma once
// How a disabled skinned control is drawn: blended towards its parent's
// picture, greyed, or both. The bits are those of the disabled-look painter.

#include <cstdint>

#include "paint/SoftRect.h"

using TsDisabledKind = uint8_t;
constexpr TsDisabledKind dkBlended = dfBlended;
constexpr TsDisabledKind dkGrayed = dfGrey;

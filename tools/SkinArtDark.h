#pragma once
// The dark skin's colours: every colour of the launcher's own skin turned
// dark. Light surfaces become deep slate in the same order (a gloss stays a
// gloss), dark ink and glyphs become light, and what lies between folds
// towards the darkest shade, where it vanishes against the dark surfaces
// around it. The mapping depends on the colour alone, so the 256 colours of
// the master bitmap stay at most 256.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TPixels.h"
#include "platform/Types.h"

class TsStoredSkin;
class TsSkinGeneral;

// Plain colours (0 .. 0xFFFFFF) are mapped; -1, system colours and the
// see-through colour are kept.
TColor DarkColor(TColor color);
// Text colours: light whatever they were, the darkest the lightest.
TColor DarkTextColor(TColor color);
// The gradient string with the two colours of every group mapped.
std::string DarkGradient(const std::string& gradient);
// Every colour of the section, its text colours and gradients.
void DarkenSection(TsSkinGeneral& section);
// The master bitmap's pictures; see-through pixels and the alpha rows of the
// skin's alpha masks are left as they are.
void DarkenMaster(TPixels& master, const TsStoredSkin& skin);

// A soft, grainy surface around Base for tiling: deterministic noise whose
// left and right, top and bottom edges meet without a seam.
TPixels GrainTexture(int width, int height, TColor base, int strength, uint32_t seed);

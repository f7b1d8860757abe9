#pragma once
// One section of a stored skin, as a form definition streams it, and the
// description of every section field that the code handling all of them walks
// (ForEachSectionField). FontColor and HotFontColor are strings of five
// numbers: text colour, then the contour colours left, top, right, bottom.

#include <cstdint>
#include <string>

#include "framework/component/TPersistent.h"
#include "platform/Types.h"
#include "skin/SkinSectionFields.h"
#include "skin/TsGeneralData.h"

class TsSkinGeneral : public TPersistent {
public:
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // Published, in streaming order: the fields of skin/SkinSectionFields.h.
    // A new item has every number 0, every boolean false and every string empty.
#define TS_FIELD(kind, name, def, key) SectionField::kind::Value name{};
#define TS_TEXT_COLORS(name, ...) std::string name;
#define TS_GRADIENT(name, ...) std::string name;
#define TS_STORED(name) std::string name;
    TS_SKIN_SECTION_FIELDS(TS_FIELD, TS_TEXT_COLORS, TS_GRADIENT, TS_STORED)
#undef TS_FIELD
#undef TS_TEXT_COLORS
#undef TS_GRADIENT
#undef TS_STORED

    // The section this item describes; a bad gradient string raises EConvertError.
    TsGeneralData ToGeneralData() const;

    // Every field to its default in the list, the value of a section that gives
    // none; the text colour strings "0 -1 -1 -1 -1".
    void SetDefaults();
};

// Five blank-separated integers into text colour and contours; anything else
// gives colour 0 without contours.
void SplitFontColors(const std::string& text, TColor (&colors)[5]);

namespace SectionField {

// A FIELD line.
template <class K> struct TPlain {
    using Kind = K;
    const char* Name;
    typename K::Value TsSkinGeneral::*Stored;
    typename K::Value TsGeneralData::*Section;
    typename K::Default Default;
    TKey Key;
};

// A TEXT_COLORS line: the stored string, and the text colour and the contours
// left, top, right, bottom of the runtime section with their keys.
struct TTextColors {
    static constexpr TColor Default[5] = {0, -1, -1, -1, -1};
    const char* Name;
    std::string TsSkinGeneral::*Stored;
    TColor TsGeneralData::*Section[5];
    const char* Keys[5];

    void Set(TsGeneralData& d, const TColor (&colors)[5]) const {
        for (int i = 0; i < 5; ++i)
            d.*Section[i] = colors[i];
    }
};

// A GRADIENT line.
struct TGradient {
    const char* Name;
    std::string TsSkinGeneral::*Stored;
    std::string TsGeneralData::*Section;
    TsGradArray TsGeneralData::*Parsed;
    const char* Default;

    // The string and its parsed form; a bad string raises EConvertError.
    void Set(TsGeneralData& d, const std::string& text) const {
        d.*Section = text;
        (d.*Parsed).clear();
        if (text != " ") ParseGradientData(text, d.*Parsed);
    }
};

// A STORED line.
struct TStoredOnly {
    const char* Name;
    std::string TsSkinGeneral::*Stored;
};

} // namespace SectionField

// Calls f with the description of every field of skin/SkinSectionFields.h, in
// its order: SectionField::TPlain<kind>, TTextColors, TGradient or TStoredOnly.
template <class F> void ForEachSectionField(F&& f) {
    using S = TsSkinGeneral;
    using D = TsGeneralData;
#define TS_FIELD(kind, name, def, key)                                                             \
    f(SectionField::TPlain<SectionField::kind>{#name, &S::name, &D::name, def, SectionField::key});
#define TS_TEXT_COLORS(name, left, top, right, bottom)                                             \
    f(SectionField::TTextColors{#name,                                                             \
                                &S::name,                                                          \
                                {&D::name, &D::left, &D::top, &D::right, &D::bottom},              \
                                {#name, #left, #top, #right, #bottom}});
#define TS_GRADIENT(name, def, parsed)                                                             \
    f(SectionField::TGradient{#name, &S::name, &D::name, &D::parsed, def});
#define TS_STORED(name) f(SectionField::TStoredOnly{#name, &S::name});
    TS_SKIN_SECTION_FIELDS(TS_FIELD, TS_TEXT_COLORS, TS_GRADIENT, TS_STORED)
#undef TS_FIELD
#undef TS_TEXT_COLORS
#undef TS_GRADIENT
#undef TS_STORED
}

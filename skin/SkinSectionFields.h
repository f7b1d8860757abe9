#pragma once
// The fields of a skin section, listed once. The runtime section (TsGeneralData)
// and the stored one (TsSkinGeneral) declare their members from this list, and
// everything that handles every field walks it through ForEachSectionField
// (skin/stored/TsSkinGeneral.h): the stored section's published properties and
// its copy into the runtime section, the writer of stored skins, the reader of
// the common sections and the defaults of a new section. A field added here
// reaches all of them.
//
// One line per field, in the streaming order of the stored section; the writer
// keeps that order, and the runtime section declares its members in it too.
//
//   FIELD(kind, Name, default, key)
//       A member Name of the kind's type in both sections.
//   TEXT_COLORS(Name, Left, Top, Right, Bottom)
//       Stored: the string Name of five blank-separated numbers, the text colour
//       and the contour colours left, top, right, bottom. At run time the five
//       colours as members Name, Left, Top, Right, Bottom; a string that is not
//       five numbers gives 0 and no contours (-1), which is also the default.
//   GRADIENT(Name, default, Parsed)
//       The gradient string Name (" " is none) in both sections; at
//       run time also parsed into the member Parsed (left empty for " ").
//   STORED(Name)
//       A string of the stored section that the runtime section does not keep.
//
// kind: Text (string), OptionalText (a string left out of the stored form when
// empty), Int, Color (numbers or colour names in the stored form), Bool, Bevel
// (stored as its name, cbNone .. cbLoweredHard, or read as its number).
//
// default: the value a section gets in the common sections (and in a skin
// folder) when neither the section nor its parent has the key.
//
// key: how the common sections read the field. The key is the member's name,
// which matches the upper-case key of the skin files since keys match without regard
// to case (TEXT_COLORS: the five members' names; GRADIENT and TEXT_COLORS keys
// are read like Key).
//   Key     read; a missing key keeps the value of the parent section
//   RgbKey  as Key, and the colour made RGB (system colour numbers become colours)
//   OwnKey  read; a missing key gives the default, never the parent's value
//   NoKey   never read, never inherited: the default (the loader itself then
//           sets SectionName and ParentClass)

#include <cstdint>
#include <string>

#include "platform/Types.h"

enum TsControlBevel : uint8_t {
    cbNone = 0,
    cbRaisedSoft = 1,
    cbLoweredSoft = 2,
    cbRaisedHard = 3,
    cbLoweredHard = 4,
};

// The bevels' names in the order of their values, as the stored form writes them.
inline constexpr const char* ControlBevelNames[] = {"cbNone", "cbRaisedSoft", "cbLoweredSoft",
                                                    "cbRaisedHard", "cbLoweredHard"};

// A stored or read bevel number; values without a meaning read as cbNone.
inline TsControlBevel ToControlBevel(int64_t value) {
    return value >= cbNone && value <= cbLoweredHard ? static_cast<TsControlBevel>(value) : cbNone;
}

namespace SectionField {

// The kinds of FIELD lines: the member's type, the same in both sections, and
// the type its default is written in.
struct Text {
    using Value = std::string;
    using Default = const char*;
};
struct OptionalText : Text {};
struct Int {
    using Value = int32_t;
    using Default = int32_t;
};
struct Color {
    using Value = TColor;
    using Default = TColor;
};
struct Bool {
    using Value = bool;
    using Default = bool;
};
struct Bevel {
    using Value = TsControlBevel;
    using Default = TsControlBevel;
};

enum TKey : uint8_t { Key, RgbKey, OwnKey, NoKey };

} // namespace SectionField

// clang-format off
#define TS_SKIN_SECTION_FIELDS(FIELD, TEXT_COLORS, GRADIENT, STORED)                               \
    /*    kind          Name                default    key */                                      \
    FIELD(Text,         SectionName,        "",        NoKey)                                      \
    FIELD(OptionalText, ParentClass,        "",        NoKey)                                      \
    FIELD(Color,        Color,              16777215,  RgbKey)                                     \
    FIELD(Bevel,        Bevel,              cbNone,    Key)                                        \
    FIELD(Int,          ShadowBlur,         6,         Key)                                        \
    FIELD(Color,        ShadowColor,        0,         OwnKey)                                     \
    FIELD(Bool,         ShadowDontUse,      false,     NoKey)                                      \
    FIELD(Bool,         ShadowEnabled,      false,     Key)                                        \
    FIELD(Bool,         ReservedBoolean,    false,     Key)                                        \
    FIELD(Int,          ShadowOffset,       3,         Key)                                        \
    FIELD(Int,          ShadowTransparency, 50,        Key)                                        \
    TEXT_COLORS(        FontColor,          TCLeft,    TCTop,    TCRight,    TCBottom)             \
    TEXT_COLORS(        HotFontColor,       HotTCLeft, HotTCTop, HotTCRight, HotTCBottom)          \
    FIELD(Int,          Transparency,       0,         Key)                                        \
    FIELD(Int,          GradientPercent,    0,         Key)                                        \
    GRADIENT(           GradientData,       " ",       GradientArray)                              \
    FIELD(Int,          ImagePercent,       0,         Key)                                        \
    FIELD(Bool,         ShowFocus,          false,     Key)                                        \
    FIELD(Bool,         FadingEnabled,      false,     Key)                                        \
    FIELD(Int,          FadingIntervalIn,   5,         Key)                                        \
    FIELD(Int,          FadingIntervalOut,  5,         Key)                                        \
    FIELD(Int,          FadingIterations,   5,         Key)                                        \
    FIELD(Color,        HotColor,           16777215,  Key)                                        \
    FIELD(Int,          HotTransparency,    0,         Key)                                        \
    FIELD(Bevel,        HotBevel,           cbNone,    Key)                                        \
    FIELD(Int,          HotGradientPercent, 0,         Key)                                        \
    GRADIENT(           HotGradientData,    "",        HotGradientArray)                           \
    FIELD(Int,          HotImagePercent,    0,         Key)                                        \
    FIELD(Color,        BorderColor1,       0,         Key)                                        \
    FIELD(Color,        BorderColor2,       0,         Key)                                        \
    STORED(             Name)
// clang-format on

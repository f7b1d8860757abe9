#include "controls/ControlKinds.h"

#include <array>
#include <initializer_list>

namespace {

constexpr int KindCount = 256;

struct TKindInfo {
    const char* Section = nullptr;
    uint8_t Traits = 0;
};

struct TSectionRow {
    const char* Section;
    std::initializer_list<int> Kinds;
};

// A run of kinds First..Last, both included.
struct TKindRange {
    int First, Last;
};

struct TTraitRow {
    TsKindTrait Trait;
    std::initializer_list<TKindRange> Ranges;
};

const TSectionRow SectionRows[] = {
    {"EDIT", {2, 3, 4, 5, 6, 7, 8, 10, 41, 76, 78, 83, 84, 96, 97, 131, 140, 227}},
    {"COMBOBOX", {11, 12, 13, 14, 15, 16, 17, 18, 81, 82}},
    {"BAR", {19}},
    {"BARTITLE", {20}},
    {"CHECKBOX", {32}},
    {"RADIOBUTTON", {33}},
    {"PANEL", {51, 59, 68, 73}},
    {"PANEL_LOW", {52, 58}},
    {"TOOLBAR", {54, 60}},
    {"DRAGBAR", {56}},
    {"TABSHEET", {57}},
    {"GROUPBOX", {74, 226}},
    {"SPLITTER", {75}},
    {"SPEEDBUTTON", {92, 95}},
    {"BUTTON", {93, 94}},
    {"TOOLBUTTON", {98}},
    {"PAGECONTROL", {141}},
    {"TABCONTROL", {143}},
    {"STATUSBAR", {151}},
    {"GAUGE", {161}},
    {"TRACKBAR", {165}},
};

const TTraitRow TraitRows[] = {
    {ktNeverHotByMouse, {{51, 74}, {110, 110}, {141, 161}}},
    {ktHotTransparencyIgnored,
     {{51, 52},
      {54, 54},
      {56, 60},
      {68, 68},
      {73, 74},
      {110, 110},
      {141, 141},
      {143, 143},
      {151, 151},
      {161, 161},
      {226, 226}}},
};

const std::array<TKindInfo, KindCount>& Kinds() {
    static const std::array<TKindInfo, KindCount> table = [] {
        std::array<TKindInfo, KindCount> t{};
        for (const TSectionRow& row : SectionRows)
            for (int kind : row.Kinds)
                t[kind].Section = row.Section;
        for (const TTraitRow& row : TraitRows)
            for (const TKindRange& r : row.Ranges)
                for (int kind = r.First; kind <= r.Last; ++kind)
                    t[kind].Traits |= row.Trait;
        return t;
    }();
    return table;
}

bool Known(int kind) {
    return kind >= 0 && kind < KindCount;
}

} // namespace

const char* KindDefaultSection(int kind) {
    return Known(kind) ? Kinds()[kind].Section : nullptr;
}

bool KindHasTrait(int kind, TsKindTrait trait) {
    return Known(kind) && (Kinds()[kind].Traits & trait) != 0;
}

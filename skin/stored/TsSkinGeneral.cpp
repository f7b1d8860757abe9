#include "skin/stored/TsSkinGeneral.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <vector>

#include "framework/component/PropertyHelpers.h"
#include "skin/TsMemIniFile.h"

using namespace SectionField;

namespace {

// Bevels stream as names; a number is taken too, and one without a meaning is cbNone.
TPropInfo StreamedProp(const TPlain<Bevel>& f) {
    return Prop<TsSkinGeneral>(
        f.Name, [field = f.Stored](TsSkinGeneral& g, const TValue& v, TReadContext& ctx) {
            static const std::vector<std::string> names(std::begin(ControlBevelNames),
                                                        std::end(ControlBevelNames));
            if (v.Kind == TValueKind::vkInteger)
                g.*field = ToControlBevel(v.Int);
            else
                g.*field = static_cast<TsControlBevel>(ValueToEnum(v, ctx, names));
        });
}
TPropInfo StreamedProp(const TPlain<Int>& f) {
    return IntProp(f.Name, f.Stored);
}
TPropInfo StreamedProp(const TPlain<Color>& f) {
    return ColorProp(f.Name, f.Stored);
}
TPropInfo StreamedProp(const TPlain<Bool>& f) {
    return BoolProp(f.Name, f.Stored);
}
// Texts, text colours, gradients and stored-only strings.
template <class F> TPropInfo StreamedProp(const F& f) {
    return StrProp(f.Name, f.Stored);
}

template <class K> void CopyField(const TsSkinGeneral& g, TsGeneralData& d, const TPlain<K>& f) {
    if constexpr (std::is_same_v<K, Bevel>)
        d.*f.Section = ToControlBevel(g.*f.Stored);
    else
        d.*f.Section = g.*f.Stored;
}
void CopyField(const TsSkinGeneral& g, TsGeneralData& d, const TTextColors& f) {
    TColor colors[5];
    SplitFontColors(g.*f.Stored, colors);
    f.Set(d, colors);
}
void CopyField(const TsSkinGeneral& g, TsGeneralData& d, const TGradient& f) {
    f.Set(d, g.*f.Stored);
}
void CopyField(const TsSkinGeneral&, TsGeneralData&, const TStoredOnly&) {}

// Defaults are made values first: assigning a const char* to a string trips a
// false -Wrestrict of GCC 12 in optimised builds.
template <class K> void SetDefault(TsSkinGeneral& g, const TPlain<K>& f) {
    g.*f.Stored = typename K::Value(f.Default);
}
void SetDefault(TsSkinGeneral& g, const TTextColors& f) {
    std::string& text = g.*f.Stored;
    text = std::to_string(TTextColors::Default[0]);
    for (int i = 1; i < 5; ++i) {
        text += ' ';
        text += std::to_string(TTextColors::Default[i]);
    }
}
void SetDefault(TsSkinGeneral& g, const TGradient& f) {
    g.*f.Stored = std::string(f.Default);
}
void SetDefault(TsSkinGeneral& g, const TStoredOnly& f) {
    (g.*f.Stored).clear();
}

} // namespace

void SplitFontColors(const std::string& text, TColor (&colors)[5]) {
    std::copy(std::begin(TTextColors::Default), std::end(TTextColors::Default), colors);
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = std::min(text.find(' ', i), text.size());
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    if (words.size() != 5) return;
    TColor parsed[5];
    for (int k = 0; k < 5; ++k)
        if (!TsMemIniFile::ParseInteger(words[k], parsed[k])) return;
    std::copy(std::begin(parsed), std::end(parsed), colors);
}

TsGeneralData TsSkinGeneral::ToGeneralData() const {
    TsGeneralData d;
    ForEachSectionField([&](const auto& f) { CopyField(*this, d, f); });
    return d;
}

void TsSkinGeneral::SetDefaults() {
    ForEachSectionField([&](const auto& f) { SetDefault(*this, f); });
}

const TClassInfo* TsSkinGeneral::StaticClassInfo() {
    static const TClassInfo info = [] {
        std::vector<TPropInfo> props;
        ForEachSectionField([&](const auto& f) { props.push_back(StreamedProp(f)); });
        return MakeClassInfo<TsSkinGeneral>("TsSkinGeneral", nullptr, std::move(props));
    }();
    return &info;
}

#include "skin/folder/SkinFolderSections.h"

#include <charconv>
#include <type_traits>

#include "framework/component/SysUtils.h"
#include "framework/graphics/Graphics.h"
#include "skin/SkinIniSections.h"
#include "skin/SkinState.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/folder/SkinFolderFiles.h"
#include "skin/stored/TsSkinGeneral.h"

namespace {

using namespace SectionField;

// How a missing text key reads, so that an empty value still counts as set.
const char* const MissingText = "?";
constexpr int32_t MissingNumber = -1;

struct TChainReader {
    const TsMemIniFile& Ini;
    const std::vector<std::string>& Chain;

    std::optional<std::string> Text(const char* key, bool inherited) const {
        for (const std::string& s : Chain) {
            const std::string v = Ini.ReadString(s, key, MissingText);
            if (v != MissingText) return v;
            if (!inherited) break;
        }
        return std::nullopt;
    }
    std::optional<int32_t> Number(const char* key, bool inherited) const {
        for (const std::string& s : Chain) {
            const int32_t v = Ini.ReadInteger(s, key, MissingNumber);
            if (v != MissingNumber) return v;
            if (!inherited) break;
        }
        return std::nullopt;
    }
};

bool IsTrue(const std::string& text) {
    return UpperSkinName(text) == "TRUE";
}

template <class K> void ReadField(const TChainReader& r, TsGeneralData& d, const TPlain<K>& f) {
    auto& field = d.*f.Section;
    using V = std::remove_reference_t<decltype(field)>;
    field = V(f.Default);
    if (f.Key == NoKey) return;
    const bool inherited = f.Key != OwnKey;
    if constexpr (std::is_same_v<V, std::string>) {
        if (auto v = r.Text(f.Name, inherited)) field = *v;
    } else if constexpr (std::is_same_v<V, bool>) {
        if (auto v = r.Text(f.Name, inherited)) field = IsTrue(*v);
    } else if constexpr (std::is_same_v<K, Bevel>) {
        if (auto v = r.Number(f.Name, inherited)) field = ToControlBevel(*v);
    } else {
        if (auto v = r.Number(f.Name, inherited)) field = *v;
        if (f.Key == RgbKey) field = ColorToRGB(field);
    }
}

void ReadField(const TChainReader& r, TsGeneralData& d, const TTextColors& f) {
    for (int i = 0; i < 5; ++i)
        d.*f.Section[i] = r.Number(f.Keys[i], true).value_or(TTextColors::Default[i]);
}

void ReadField(const TChainReader& r, TsGeneralData& d, const TGradient& f) {
    const std::string text = r.Text(f.Name, true).value_or(f.Default);
    try {
        f.Set(d, text);
    } catch (const EConvertError& e) {
        throw ESkinFolderError("Options.dat, section " + r.Chain.front() + ", key " +
                               UpperSkinName(f.Name) + ": " + e.what());
    }
}

void ReadField(const TChainReader&, TsGeneralData&, const TStoredOnly&) {}

bool SameName(const std::string& a, const std::string& b) {
    return UpperSkinName(a) == UpperSkinName(b);
}

} // namespace

std::vector<std::string> ParentChain(const TsMemIniFile& ini, const std::string& section,
                                     std::vector<std::string>* notices) {
    std::vector<std::string> chain{section};
    for (;;) {
        const std::string& current = chain.back();
        const std::string parent = ini.ReadString(current, "PARENTCLASS", MissingText);
        if (parent.empty() || parent == MissingText || SameName(parent, current)) break;
        for (const std::string& seen : chain) {
            if (!SameName(seen, parent)) continue;
            if (notices)
                notices->push_back("Section " + section +
                                   ": the chain of parent classes comes back to " + parent +
                                   " after " + current + "; it stops there.");
            return chain;
        }
        chain.push_back(parent);
    }
    return chain;
}

TsGeneralData ReadFolderSection(const TsMemIniFile& ini, const std::string& section,
                                std::vector<std::string>* notices) {
    const std::vector<std::string> chain = ParentChain(ini, section, notices);
    const TChainReader reader{ini, chain};
    TsGeneralData d;
    ForEachSectionField([&](const auto& f) { ReadField(reader, d, f); });
    d.SectionName = section;
    d.ParentClass = ini.ReadString(section, "PARENTCLASS", "");
    return d;
}

double ReadSkinVersion(const TsMemIniFile& ini) {
    const std::string text = ini.ReadString("GLOBALINFO", "VERSION", "0");
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0;
}

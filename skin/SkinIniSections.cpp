#include "skin/SkinIniSections.h"

#include <type_traits>

#include "framework/component/SysUtils.h"
#include "framework/graphics/Graphics.h"
#include "platform/BmpDecoder.h"
#include "platform/services/ReadWholeFile.h"
#include "skin/SkinState.h"
#include "skin/stored/TsSkinGeneral.h"

namespace {

using namespace SectionField;

template <class T>
void ReadInt(const TsMemIniFile& ini, const std::string& s, const char* key, T& field) {
    const int32_t v = ini.ReadInteger(s, key, -1);
    if (v != -1) field = static_cast<T>(v);
}

// A missing key, or an integer key that is not a number or is -1, leaves the field.
template <class K>
void ReadKey(const TsMemIniFile& ini, const std::string& s, TsGeneralData& d, const TPlain<K>& f) {
    if (f.Key == NoKey) return;
    auto& field = d.*f.Section;
    using V = std::remove_reference_t<decltype(field)>;
    if constexpr (std::is_same_v<V, std::string>) {
        if (ini.ValueExists(s, f.Name)) field = ini.ReadString(s, f.Name, "");
    } else if constexpr (std::is_same_v<V, bool>) {
        if (ini.ValueExists(s, f.Name)) field = ini.ReadBool(s, f.Name, false);
    } else {
        const int32_t v = ini.ReadInteger(s, f.Name, -1);
        if (v == -1) return;
        if constexpr (std::is_same_v<K, Bevel>)
            field = ToControlBevel(v);
        else
            field = f.Key == RgbKey ? ColorToRGB(v) : v;
    }
}
void ReadKey(const TsMemIniFile& ini, const std::string& s, TsGeneralData& d,
             const TTextColors& f) {
    for (int i = 0; i < 5; ++i)
        ReadInt(ini, s, f.Keys[i], d.*f.Section[i]);
}
void ReadKey(const TsMemIniFile& ini, const std::string& s, TsGeneralData& d, const TGradient& f) {
    if (ini.ValueExists(s, f.Name)) f.Set(d, ini.ReadString(s, f.Name, " "));
}
void ReadKey(const TsMemIniFile&, const std::string&, TsGeneralData&, const TStoredOnly&) {}

// The value made first (see SetDefault in skin/stored/TsSkinGeneral.cpp).
template <class K> void SetDefault(TsGeneralData& d, const TPlain<K>& f) {
    d.*f.Section = typename K::Value(f.Default);
}
void SetDefault(TsGeneralData& d, const TTextColors& f) {
    f.Set(d, TTextColors::Default);
}
void SetDefault(TsGeneralData& d, const TGradient& f) {
    f.Set(d, f.Default);
}
void SetDefault(TsGeneralData&, const TStoredOnly&) {}

// The fields the common sections never take from the parent section.
void ResetUninherited(TsGeneralData& d) {
    ForEachSectionField([&](const auto& f) {
        if constexpr (requires { f.Key; })
            if (f.Key == OwnKey || f.Key == NoKey) SetDefault(d, f);
    });
}

std::vector<int32_t> Numbers(const std::string& token) {
    std::vector<int32_t> out;
    size_t i = 0;
    while (i < token.size()) {
        const size_t end = std::min(token.find_first_of(", ", i), token.size());
        if (end > i) {
            const std::string word = token.substr(i, end - i);
            int32_t v = 0;
            if (!TsMemIniFile::ParseInteger(word, v))
                throw EConvertError("'" + word + "' is not a valid integer value");
            out.push_back(v);
        }
        i = end + 1;
    }
    return out;
}

std::string ResolveSkinFile(const std::string& name) {
    return name.find(':') != std::string::npos ? name : GlobalSkinData->SkinPath + name;
}

} // namespace

TsGeneralData IniSectionDefaults() {
    TsGeneralData d;
    ForEachSectionField([&](const auto& f) { SetDefault(d, f); });
    return d;
}

void ReadIniSectionKeys(const TsMemIniFile& ini, const std::string& s, TsGeneralData& d) {
    ForEachSectionField([&](const auto& f) { ReadKey(ini, s, d, f); });
}

bool IsMaskRectValue(const std::string& value) {
    return value != "#" && value.find('#') != std::string::npos;
}

void ParseMaskRect(const std::string& value, TsMaskData& m) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < value.size()) {
        const size_t end = std::min(value.find_first_of(" ()", i), value.size());
        if (end > i) tokens.push_back(value.substr(i, end - i));
        i = end + 1;
    }
    const std::vector<int32_t> r = tokens.size() > 1 ? Numbers(tokens[1]) : std::vector<int32_t>{};
    const std::vector<int32_t> c = tokens.size() > 2 ? Numbers(tokens[2]) : std::vector<int32_t>{};
    auto at = [](const std::vector<int32_t>& v, size_t k) { return k < v.size() ? v[k] : 0; };
    m.R = TRect{at(r, 0), at(r, 1), at(r, 2), at(r, 3)};
    m.ImageCount = static_cast<int16_t>(std::clamp(at(c, 0), 1, 32767));
    m.MaskType = static_cast<int16_t>(std::clamp(at(c, 1), 0, 32767));
    m.BorderWidth = static_cast<int16_t>(std::clamp(at(c, 2), 0, 32767));
}

void LoadIniCommonMasks(const TsMemIniFile& ini) {
    for (const std::string& section : ini.Sections()) {
        if (UpperSkinName(section) == "GLOBALINFO") continue;
        for (const std::string& key : ini.SectionKeys(section)) {
            const std::string value = ini.ReadString(section, key, "");
            TsMaskData m;
            m.SectionName = UpperSkinName(section);
            m.PropertyName = UpperSkinName(key);
            if (IsMaskRectValue(value)) {
                if (!SkinMasterBitmap || SkinMasterBitmap->Empty()) continue;
                ParseMaskRect(value, m);
            } else if (UpperSkinName(value).find(".BMP") != std::string::npos) {
                const std::optional<std::string> bytes = ReadWholeFile(ResolveSkinFile(value));
                if (!bytes) continue; // a missing picture is simply absent
                m.Bmp = ScreenPicture(
                    DecodeBmp(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()));
            } else {
                continue;
            }
            SkinMasks.push_back(std::move(m));
        }
    }
}

void LoadIniCommonSections(const TsMemIniFile& ini) {
    for (const std::string& section : ini.Sections()) {
        const std::string parent = UpperSkinName(ini.ReadString(section, "PARENTCLASS", "-1"));
        const int parentIndex = GetSkinIndex(parent);
        TsGeneralData d = parentIndex >= 0 ? SkinGeneralData[parentIndex] : IniSectionDefaults();
        ResetUninherited(d);
        ReadIniSectionKeys(ini, section, d);
        d.SectionName = section;
        d.ParentClass = parent;
        SkinGeneralData.push_back(std::move(d));
    }
}

#include "skin/SkinIniSections.h"

#include <fstream>
#include <iterator>

#include "framework/component/SysUtils.h"
#include "framework/graphics/Graphics.h"
#include "platform/BmpDecoder.h"
#include "skin/SkinState.h"

namespace {

template <class T>
void ReadInt(const TsMemIniFile& ini, const std::string& s, const char* key, T& field) {
    const int32_t v = ini.ReadInteger(s, key, -1);
    if (v != -1) field = static_cast<T>(v);
}

void ReadBool(const TsMemIniFile& ini, const std::string& s, const char* key, bool& field) {
    if (ini.ValueExists(s, key)) field = ini.ReadBool(s, key, false);
}

void ReadGradient(const TsMemIniFile& ini, const std::string& s, const char* key, std::string& text,
                  TsGradArray& data) {
    if (!ini.ValueExists(s, key)) return;
    text = ini.ReadString(s, key, " ");
    data.clear();
    if (text != " ") ParseGradientData(text, data);
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
    d.Color = 16777215;
    d.ShadowBlur = 6;
    d.ShadowOffset = 3;
    d.ShadowTransparency = 50;
    d.FadingIntervalIn = 5;
    d.FadingIntervalOut = 5;
    d.FadingIterations = 5;
    d.HotColor = 16777215;
    d.HotGradientData = "";
    return d;
}

void ReadIniSectionKeys(const TsMemIniFile& ini, const std::string& s, TsGeneralData& d) {
    int32_t color = ini.ReadInteger(s, "COLOR", -1);
    if (color != -1) d.Color = ColorToRGB(color);
    int32_t bevel = ini.ReadInteger(s, "BEVEL", -1);
    if (bevel != -1) d.Bevel = ToControlBevel(bevel);
    ReadInt(ini, s, "SHADOWBLUR", d.ShadowBlur);
    ReadInt(ini, s, "SHADOWOFFSET", d.ShadowOffset);
    ReadInt(ini, s, "SHADOWCOLOR", d.ShadowColor);
    ReadInt(ini, s, "SHADOWTRANSPARENCY", d.ShadowTransparency);
    ReadBool(ini, s, "SHADOWENABLED", d.ShadowEnabled);
    ReadBool(ini, s, "RESERVEDBOOLEAN", d.ReservedBoolean);
    ReadInt(ini, s, "FONTCOLOR", d.FontColor);
    ReadInt(ini, s, "TCLEFT", d.TCLeft);
    ReadInt(ini, s, "TCTOP", d.TCTop);
    ReadInt(ini, s, "TCRIGHT", d.TCRight);
    ReadInt(ini, s, "TCBOTTOM", d.TCBottom);
    ReadInt(ini, s, "HOTFONTCOLOR", d.HotFontColor);
    ReadInt(ini, s, "HOTTCLEFT", d.HotTCLeft);
    ReadInt(ini, s, "HOTTCTOP", d.HotTCTop);
    ReadInt(ini, s, "HOTTCRIGHT", d.HotTCRight);
    ReadInt(ini, s, "HOTTCBOTTOM", d.HotTCBottom);
    ReadInt(ini, s, "TRANSPARENCY", d.Transparency);
    ReadInt(ini, s, "GRADIENTPERCENT", d.GradientPercent);
    ReadInt(ini, s, "IMAGEPERCENT", d.ImagePercent);
    ReadGradient(ini, s, "GRADIENTDATA", d.GradientData, d.GradientArray);
    ReadBool(ini, s, "SHOWFOCUS", d.ShowFocus);
    ReadBool(ini, s, "FADINGENABLED", d.FadingEnabled);
    ReadInt(ini, s, "FADINGINTERVALIN", d.FadingIntervalIn);
    ReadInt(ini, s, "FADINGINTERVALOUT", d.FadingIntervalOut);
    ReadInt(ini, s, "FADINGITERATIONS", d.FadingIterations);
    ReadInt(ini, s, "HOTCOLOR", d.HotColor);
    ReadInt(ini, s, "HOTTRANSPARENCY", d.HotTransparency);
    int32_t hotBevel = ini.ReadInteger(s, "HOTBEVEL", -1);
    if (hotBevel != -1) d.HotBevel = ToControlBevel(hotBevel);
    ReadInt(ini, s, "HOTGRADIENTPERCENT", d.HotGradientPercent);
    ReadGradient(ini, s, "HOTGRADIENTDATA", d.HotGradientData, d.HotGradientArray);
    ReadInt(ini, s, "HOTIMAGEPERCENT", d.HotImagePercent);
    ReadInt(ini, s, "BORDERCOLOR1", d.BorderColor1);
    ReadInt(ini, s, "BORDERCOLOR2", d.BorderColor2);
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
                std::ifstream in(ResolveSkinFile(value), std::ios::binary);
                if (!in) continue; // a missing picture is simply absent
                const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
                m.Bmp = std::make_unique<TBitmap>();
                m.Bmp->Pixels() = DecodeBmp(bytes);
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
        d.ShadowColor = 0; // never inherited
        d.ShadowDontUse = false;
        ReadIniSectionKeys(ini, section, d);
        d.SectionName = section;
        d.ParentClass = parent;
        SkinGeneralData.push_back(std::move(d));
    }
}

#include "graphics/TFont.h"

#include <cstdlib>
#include <strings.h>

#include "component/TClassRegistry.h"

namespace {

// MulDiv as the platform rounds it: halves away from zero.
int MulDiv(int a, int b, int c) {
    long long n = static_cast<long long>(a) * b;
    long long q = (2 * std::llabs(n) + std::llabs(c)) / (2 * std::llabs(static_cast<long long>(c)));
    return static_cast<int>(((n < 0) != (c < 0)) ? -q : q);
}

TFont& AsFont(TPersistent& o) {
    return static_cast<TFont&>(o);
}

int IntValue(const TValue& v, TReadContext& ctx) {
    if (v.Kind != TValueKind::vkInteger) ctx.Fail("integer expected");
    return static_cast<int>(v.Int);
}

struct CharsetName {
    const char* Name;
    int Value;
};
constexpr CharsetName CharsetNames[] = {
    {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
    {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},        {"JOHAB_CHARSET", 130},
    {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"GREEK_CHARSET", 161},
    {"TURKISH_CHARSET", 162},     {"VIETNAMESE_CHARSET", 163}, {"THAI_CHARSET", 222},
    {"EASTEUROPE_CHARSET", 238},  {"RUSSIAN_CHARSET", 204},    {"MAC_CHARSET", 77},
    {"BALTIC_CHARSET", 186},
};

void SetCharsetValue(TPersistent& o, const TValue& v, TReadContext& ctx) {
    if (v.Kind == TValueKind::vkInteger) {
        AsFont(o).SetCharset(static_cast<int>(v.Int));
        return;
    }
    for (const CharsetName& c : CharsetNames)
        if (strcasecmp(c.Name, v.Str.c_str()) == 0) {
            AsFont(o).SetCharset(c.Value);
            return;
        }
    ctx.Fail("unknown charset " + v.Str);
}

void SetColorValue(TPersistent& o, const TValue& v, TReadContext& ctx) {
    TColor c = 0;
    if (v.Kind == TValueKind::vkInteger)
        c = static_cast<TColor>(static_cast<uint32_t>(v.Int));
    else if (v.Kind != TValueKind::vkIdent || !IdentToColor(v.Str, c))
        ctx.Fail("unknown colour " + v.Str);
    AsFont(o).SetColor(c);
}

void SetPitchValue(TPersistent& o, const TValue& v, TReadContext& ctx) {
    static const char* const names[] = {"fpDefault", "fpVariable", "fpFixed"};
    for (int i = 0; i < 3; ++i)
        if (strcasecmp(names[i], v.Str.c_str()) == 0) {
            AsFont(o).SetPitch(static_cast<TFontPitch>(i));
            return;
        }
    ctx.Fail("unknown pitch " + v.Str);
}

void SetStyleValue(TPersistent& o, const TValue& v, TReadContext& ctx) {
    static const char* const names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    if (v.Kind != TValueKind::vkSet) ctx.Fail("set of font styles expected");
    TFontStyles style = 0;
    for (const std::string& item : v.Items) {
        bool known = false;
        for (int i = 0; i < 4; ++i)
            if (strcasecmp(names[i], item.c_str()) == 0) {
                style |= 1u << i;
                known = true;
            }
        if (!known) ctx.Fail("unknown font style " + item);
    }
    AsFont(o).SetStyle(style);
}

} // namespace

const TClassInfo* TFont::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i;
        i.Name = "TFont";
        i.Props = {
            {"Charset", SetCharsetValue, nullptr},
            {"Color", SetColorValue, nullptr},
            {"Height",
             [](TPersistent& o, const TValue& v, TReadContext& c) {
                 AsFont(o).SetHeight(IntValue(v, c));
             },
             nullptr},
            {"Name",
             [](TPersistent& o, const TValue& v, TReadContext& c) {
                 if (v.Kind != TValueKind::vkString) c.Fail("string expected");
                 AsFont(o).SetName(v.Str);
             },
             nullptr},
            {"Pitch", SetPitchValue, nullptr},
            {"Size",
             [](TPersistent& o, const TValue& v, TReadContext& c) {
                 AsFont(o).SetSize(IntValue(v, c));
             },
             nullptr},
            {"Style", SetStyleValue, nullptr},
        };
        return i;
    }();
    return &info;
}

const TClassInfo* TFont::ClassInfo() const {
    return StaticClassInfo();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == FName) return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FHeight) return;
    FHeight = height;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style) {
    style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (style == FStyle) return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == FCharset) return;
    FCharset = charset;
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == FPitch) return;
    FPitch = pitch;
    Changed();
}

void TFont::CopyFrom(const TFont& o) {
    FName = o.FName;
    FHeight = o.FHeight;
    FStyle = o.FStyle;
    FColor = o.FColor;
    FCharset = o.FCharset;
    FPitch = o.FPitch;
}

void TFont::Assign(const TFont& o) {
    if (&o == this || o == *this) return;
    CopyFrom(o);
    Changed();
}

bool TFont::SameFace(const TFont& o) const {
    return strcasecmp(FName.c_str(), o.FName.c_str()) == 0 && FHeight == o.FHeight &&
           FStyle == o.FStyle;
}

bool operator==(const TFont& a, const TFont& b) {
    return a.SameFace(b) && a.FName == b.FName && a.FColor == b.FColor &&
           a.FCharset == b.FCharset && a.FPitch == b.FPitch;
}

void TFont::Changed() {
    if (OnChange) OnChange(this);
}

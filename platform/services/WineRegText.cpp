// Wine's escapes, value data and the UTF-8/UTF-16 conversions between them.
// In order: conversions, escapes, parsing value data, formatting it.

#include "platform/services/WineRegText.h"

#include <cstdio>

#include "platform/services/TextEncoding.h"

namespace {

constexpr char16_t kFirstNonAscii = 0x80;
constexpr char16_t kFirstPrintable = 0x20;
constexpr size_t kMaxHexEscapeDigits = 4;
constexpr size_t kMaxOctalEscapeDigits = 3;
constexpr size_t kMaxTypeDigits = 8;
constexpr size_t kDwordDigits = 8;
constexpr int kWrapColumn = 76; // Wine breaks hex data past this many characters
constexpr char32_t kReplacement = 0xFFFD;

// The letters of the C escapes Wine writes, by control character; '.' when
// the character is written in octal.
constexpr std::string_view kControlEscapes = ".......abtnvfr.............e....";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

bool IsAsciiHex(char16_t u) {
    return u < kFirstNonAscii && HexDigit(static_cast<char>(u)) >= 0;
}

void AppendUnits(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<char16_t>(cp);
    }
}

// The character of an escape at s[pos] (just after the backslash); pos moves
// past it.
char16_t Unescape(std::string_view s, size_t& pos) {
    const char c = s[pos++];
    if (c == 'x') {
        if (pos == s.size() || HexDigit(s[pos]) < 0) return u'x';
        unsigned v = 0;
        for (size_t n = 0; n < kMaxHexEscapeDigits && pos < s.size() && HexDigit(s[pos]) >= 0; ++n)
            v = v * 16 + static_cast<unsigned>(HexDigit(s[pos++]));
        return static_cast<char16_t>(v);
    }
    if (IsOctal(c)) {
        unsigned v = static_cast<unsigned>(c - '0');
        for (size_t n = 1; n < kMaxOctalEscapeDigits && pos < s.size() && IsOctal(s[pos]); ++n)
            v = v * 8 + static_cast<unsigned>(s[pos++] - '0');
        return static_cast<char16_t>(v);
    }
    const size_t letter = kControlEscapes.find(c);
    if (c != '.' && letter != std::string_view::npos) return static_cast<char16_t>(letter);
    return static_cast<char16_t>(static_cast<unsigned char>(c));
}

} // namespace

std::string Utf16ToUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t cp = units[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();)
        AppendUnits(out, NextCodePoint(utf8, pos));
    return out;
}

namespace {

// Only finds the end: the characters of an escape are never the end
// character, nor are the bytes of a UTF-8 sequence.
bool SkipWineString(std::string_view s, size_t& pos, char end) {
    for (size_t i = pos; i < s.size(); i += s[i] == '\\' ? 2 : 1) {
        if (s[i] == end) {
            pos = i + 1;
            return true;
        }
    }
    return false;
}

} // namespace

bool ParseWineString(std::string_view s, size_t& pos, char end, std::u16string* out) {
    if (!out) return SkipWineString(s, pos, end);
    for (size_t i = pos; i < s.size();) {
        const char c = s[i];
        if (c == end) {
            pos = i + 1;
            return true;
        }
        if (c == '\\' && i + 1 < s.size()) {
            ++i;
            const char16_t u = Unescape(s, i);
            if (out) *out += u;
        } else if (static_cast<unsigned char>(c) >= kFirstNonAscii) {
            const char32_t cp = NextCodePoint(s, i);
            if (out) AppendUnits(*out, cp);
        } else {
            if (out) *out += static_cast<char16_t>(static_cast<unsigned char>(c));
            ++i;
        }
    }
    return false;
}

std::string EscapeWineString(std::u16string_view units, std::string_view specials) {
    std::string out;
    out.reserve(units.size());
    char buf[16];
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        const bool more = i + 1 < units.size();
        if (u >= kFirstNonAscii) {
            const bool hexFollows = more && IsAsciiHex(units[i + 1]);
            std::snprintf(buf, sizeof buf, hexFollows ? "\\x%04x" : "\\x%x", unsigned{u});
            out += buf;
        } else if (u < kFirstPrintable) {
            if (kControlEscapes[u] != '.') {
                out += '\\';
                out += kControlEscapes[u];
            } else {
                const bool octalFollows = more && units[i + 1] < kFirstNonAscii &&
                                          IsOctal(static_cast<char>(units[i + 1]));
                std::snprintf(buf, sizeof buf, octalFollows ? "\\%03o" : "\\%o", unsigned{u});
                out += buf;
            }
        } else {
            const char c = static_cast<char>(u);
            if (c == '\\' || specials.find(c) != std::string_view::npos) out += '\\';
            out += c;
        }
    }
    return out;
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first character at or after i that is not a blank, or the size.
size_t SkipBlanks(std::string_view s, size_t i) {
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return i;
}

bool OnlyBlanks(std::string_view s) {
    return SkipBlanks(s, 0) == s.size();
}

// The N of str(N): or hex(N): at s[pos] == '('; pos moves past the ')'.
bool ParseTypeNumber(std::string_view s, size_t& pos, uint32_t& type) {
    const size_t close = s.find(')', pos);
    if (close == std::string_view::npos || close == pos + 1 || close - pos - 1 > kMaxTypeDigits)
        return false;
    type = 0;
    for (size_t i = pos + 1; i < close; ++i) {
        if (HexDigit(s[i]) < 0) return false;
        type = type * 16 + static_cast<uint32_t>(HexDigit(s[i]));
    }
    pos = close + 1;
    return true;
}

// Texts of REG_SZ and REG_EXPAND_SZ end at their first NUL.
std::string TextUpToNul(std::u16string_view units) {
    return Utf16ToUtf8(units.substr(0, units.find(u'\0')));
}

std::string Utf16Bytes(std::u16string_view units) {
    std::string bytes;
    for (const char16_t u : units) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

std::string ParseQuotedData(std::string_view data, uint32_t type, TRegValueData* out) {
    size_t pos = 1;
    std::u16string units;
    if (!ParseWineString(data, pos, '"', out ? &units : nullptr))
        return "text without closing quote";
    if (!OnlyBlanks(data.substr(pos))) return "text after the closing quote";
    if (!out) return {};
    out->Type = type;
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        out->Bytes = TextUpToNul(units);
    else
        out->Bytes = Utf16Bytes(units + u'\0');
    return {};
}

std::string ParseDwordData(std::string_view digits, TRegValueData* out) {
    while (!digits.empty() && (digits.back() == ' ' || digits.back() == '\t'))
        digits.remove_suffix(1);
    if (digits.empty() || digits.size() > kDwordDigits) return "dword needs 1 to 8 hex digits";
    uint32_t v = 0;
    for (const char c : digits) {
        if (HexDigit(c) < 0) return "bad hex digit in dword";
        v = v * 16 + static_cast<uint32_t>(HexDigit(c));
    }
    if (out) {
        out->Type = REG_DWORD;
        out->Bytes.clear();
        for (int b = 0; b < 4; ++b)
            out->Bytes += static_cast<char>((v >> (8 * b)) & 0xFF);
    }
    return {};
}

// Two hex digits per byte, separated by commas; blanks around them allowed.
std::string ParseHexBytes(std::string_view s, uint32_t type, TRegValueData* out) {
    std::string bytes;
    for (size_t i = SkipBlanks(s, 0); i < s.size();) {
        if (i + 1 >= s.size() || HexDigit(s[i]) < 0 || HexDigit(s[i + 1]) < 0)
            return "bad hex byte";
        if (out) bytes += static_cast<char>(HexDigit(s[i]) * 16 + HexDigit(s[i + 1]));
        i = SkipBlanks(s, i + 2);
        if (i == s.size()) break;
        if (s[i] != ',') return "',' expected between hex bytes";
        i = SkipBlanks(s, i + 1);
    }
    if (!out) return {};
    out->Type = type;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::u16string units;
        for (size_t k = 0; k + 1 < bytes.size(); k += 2)
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[k]) |
                                           static_cast<unsigned char>(bytes[k + 1]) << 8);
        out->Bytes = TextUpToNul(units);
    } else {
        out->Bytes = std::move(bytes);
    }
    return {};
}

} // namespace

std::string ParseWineValueData(std::string_view data, TRegValueData* out) {
    if (data.starts_with('"')) return ParseQuotedData(data, REG_SZ, out);
    if (data.starts_with("dword:")) return ParseDwordData(data.substr(6), out);
    const bool isStr = data.starts_with("str(");
    const bool isHex = data.starts_with("hex");
    if (!isStr && !isHex) return "unrecognised value data";
    size_t pos = 3;
    uint32_t type = isStr ? REG_SZ : REG_BINARY;
    if ((isStr || (pos < data.size() && data[pos] == '(')) && !ParseTypeNumber(data, pos, type))
        return "bad value type";
    if (pos >= data.size() || data[pos] != ':') return "':' expected after the value type";
    ++pos;
    if (isStr) {
        if (pos >= data.size() || data[pos] != '"') return "'\"' expected after str(N):";
        return ParseQuotedData(data.substr(pos), type, out);
    }
    return ParseHexBytes(data.substr(pos), type, out);
}

std::string FormatWineValue(std::string_view name, const TRegValueData& data,
                            std::string_view eol) {
    std::string out = "@=";
    if (!name.empty())
        out = std::string("\"").append(EscapeWineString(Utf8ToUtf16(name), "\"")) + "\"=";
    char buf[32];
    if (data.Type == REG_DWORD && data.Bytes.size() == 4) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = v << 8 | static_cast<unsigned char>(data.Bytes[b]);
        std::snprintf(buf, sizeof buf, "dword:%08x", v);
        return out + buf;
    }
    if (data.Type == REG_SZ || data.Type == REG_EXPAND_SZ) {
        if (data.Type == REG_EXPAND_SZ) out += "str(2):";
        return out + "\"" + EscapeWineString(Utf8ToUtf16(data.Bytes), "\"") + "\"";
    }
    if (data.Type == REG_BINARY)
        out += "hex:";
    else
        out += (std::snprintf(buf, sizeof buf, "hex(%x):", data.Type), buf);
    int count = static_cast<int>(out.size());
    for (size_t i = 0; i < data.Bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(data.Bytes[i]));
        out += buf;
        count += 2;
        if (i + 1 < data.Bytes.size()) {
            out += ',';
            if (++count > kWrapColumn) {
                out += "\\";
                out.append(eol);
                out += "  ";
                count = 2;
            }
        }
    }
    return out;
}

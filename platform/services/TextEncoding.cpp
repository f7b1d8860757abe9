#include "platform/services/TextEncoding.h"

namespace {

// 0x80..0x9F of Windows-1252; the undefined bytes keep their own number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int ToWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == cp) return 0x80 + i;
    return -1;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Length of the valid sequence starting at pos, 0 when invalid.
size_t ValidSequenceLength(std::string_view s, size_t pos) {
    const auto c = static_cast<unsigned char>(s[pos]);
    if (c < 0x80) return 1;
    size_t len;
    char32_t min;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size()) return 0;
    char32_t cp = c & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        const auto d = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(d)) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]),
                   b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}

} // namespace

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view utf8, size_t& pos) {
    const size_t len = ValidSequenceLength(utf8, pos);
    if (len == 0) {
        ++pos;
        return 0xFFFD;
    }
    const auto c = static_cast<unsigned char>(utf8[pos]);
    char32_t cp = len == 1 ? c : c & (0x7F >> len);
    for (size_t i = 1; i < len; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[pos + i]) & 0x3F);
    pos += len;
    return cp;
}

std::string Windows1252ToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    for (const char ch : ansi) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c);
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const int b = ToWindows1252(NextCodePoint(utf8, pos));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string ToValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t len = ValidSequenceLength(bytes, pos);
        if (len == 0) {
            out += Windows1252ToUtf8(bytes.substr(pos++, 1));
        } else {
            out.append(bytes.substr(pos, len));
            pos += len;
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t len = ValidSequenceLength(bytes, pos);
        if (len == 0) return false;
        pos += len;
    }
    return true;
}

std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (bytes.starts_with("\xFF\xFE"))
        return Utf16ToUtf8(bytes.substr(2), false);
    else if (bytes.starts_with("\xFE\xFF"))
        return Utf16ToUtf8(bytes.substr(2), true);
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return Windows1252ToUtf8(bytes);
}

char32_t FoldCase(char32_t cp) {
    if (cp < 0x80) return cp >= 'A' && cp <= 'Z' ? cp + 32 : cp;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
    if (cp == 0x178) return 0xFF;
    // Latin Extended-A pairs: even/odd from 0x100, odd/even in two runs.
    if ((cp >= 0x100 && cp <= 0x137) || (cp >= 0x14A && cp <= 0x177)) return cp | 1;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) return cp + (cp & 1);
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) return cp + 32;
    if (cp >= 0x410 && cp <= 0x42F) return cp + 32;
    if (cp >= 0x400 && cp <= 0x40F) return cp + 80;
    return cp;
}

bool Utf8SameText(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (FoldCase(NextCodePoint(a, i)) != FoldCase(NextCodePoint(b, j))) return false;
    return i == a.size() && j == b.size();
}

size_t Utf8Length(std::string_view utf8) {
    size_t n = 0;
    for (size_t pos = 0; pos < utf8.size(); ++n)
        NextCodePoint(utf8, pos);
    return n;
}

std::string_view Utf8Left(std::string_view utf8, size_t n) {
    size_t pos = 0;
    for (size_t i = 0; i < n && pos < utf8.size(); ++i)
        NextCodePoint(utf8, pos);
    return utf8.substr(0, pos);
}

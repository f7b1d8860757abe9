#include "component/TFormLexer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "component/EReadError.h"
#include "platform/services/TextEncoding.h"

namespace {
bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || IsDigit(c);
}
constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Every character's value in binary data: a hexadecimal digit's value, the
// white space that may stand between digits, or anything else (-1).
constexpr int8_t HexSpace = -2;
constexpr std::array<int8_t, 256> HexValues = [] {
    std::array<int8_t, 256> values{};
    for (int c = 0; c < 256; ++c)
        values[c] = static_cast<int8_t>(HexDigit(static_cast<char>(c)));
    for (const char c : {' ', '\t', '\r', '\n'})
        values[static_cast<unsigned char>(c)] = HexSpace;
    return values;
}();

// Length of the well-formed UTF-8 sequence at s[i], or 0.
size_t Utf8Length(std::string_view s, size_t i) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    if (c < 0x80) return 1;
    size_t n;
    uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || cp > 0x10FFFF) return 0;
    if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
    return n;
}

} // namespace

TFormLexer::TFormLexer(std::string_view text, std::string fileName)
    : FText(text), FFileName(std::move(fileName)) {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
}

void TFormLexer::FailAt(int line, const std::string& message) const {
    throw EReadError(FFileName, line, message);
}

void TFormLexer::SkipBlanks() {
    while (FPos < FText.size()) {
        char c = FText[FPos];
        if (c == '\n')
            ++FLine;
        else if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v')
            return;
        ++FPos;
    }
}

void TFormLexer::Next() {
    SkipBlanks();
    Tok = TFormToken{};
    Tok.Line = FLine;
    if (FPos >= FText.size()) return;
    char c = FText[FPos];
    if (IsIdentStart(c)) {
        size_t start = FPos;
        while (FPos < FText.size() && IsIdentChar(FText[FPos]))
            ++FPos;
        Tok.Kind = TFormTokenKind::tkIdent;
        Tok.Text = std::string(FText.substr(start, FPos - start));
    } else if (IsDigit(c)) {
        LexNumber();
    } else if (c == '$') {
        LexHexNumber();
    } else if (c == '\'' || c == '#') {
        LexString();
    } else if (c == '{') {
        LexBinary();
    } else if (std::string_view(":=[](),<>.+-").find(c) != std::string_view::npos) {
        Tok.Kind = TFormTokenKind::tkSymbol;
        Tok.Symbol = c;
        ++FPos;
    } else {
        unsigned char u = static_cast<unsigned char>(c);
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%u", u);
        FailAt(FLine, u >= 0x21 && u < 0x7F ? std::string("Unexpected character '") + c + "'"
                                            : std::string("Unexpected character ") + buf);
    }
}

void TFormLexer::LexNumber() {
    size_t start = FPos;
    while (FPos < FText.size() && IsDigit(FText[FPos]))
        ++FPos;
    bool isFloat = false;
    if (FPos + 1 < FText.size() && FText[FPos] == '.' && IsDigit(FText[FPos + 1])) {
        isFloat = true;
        ++FPos;
        while (FPos < FText.size() && IsDigit(FText[FPos]))
            ++FPos;
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
        size_t k = FPos + 1;
        if (k < FText.size() && (FText[k] == '+' || FText[k] == '-')) ++k;
        if (k < FText.size() && IsDigit(FText[k])) {
            isFloat = true;
            FPos = k;
            while (FPos < FText.size() && IsDigit(FText[FPos]))
                ++FPos;
        }
    }
    std::string_view digits = FText.substr(start, FPos - start);
    if (isFloat) {
        // Single, currency and date suffixes say how the value was stored; the value is the same.
        if (FPos < FText.size() &&
            std::string_view("sScCdD").find(FText[FPos]) != std::string_view::npos)
            ++FPos;
        Tok.Kind = TFormTokenKind::tkFloat;
        auto r = std::from_chars(digits.data(), digits.data() + digits.size(), Tok.Float);
        if (r.ec != std::errc()) FailAt(FLine, "Number out of range: " + std::string(digits));
    } else {
        Tok.Kind = TFormTokenKind::tkInteger;
        uint64_t v = 0;
        for (char d : digits) {
            if (v > (UINT64_MAX - 9) / 10)
                FailAt(FLine, "Number out of range: " + std::string(digits));
            v = v * 10 + static_cast<uint64_t>(d - '0');
        }
        if (v > uint64_t(INT64_MAX) + 1)
            FailAt(FLine, "Number out of range: " + std::string(digits));
        Tok.Big = v == uint64_t(INT64_MAX) + 1;
        Tok.Int = Tok.Big ? 0 : static_cast<int64_t>(v);
    }
    if (FPos < FText.size() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.'))
        FailAt(FLine, "Invalid number");
}

void TFormLexer::LexHexNumber() {
    ++FPos;
    uint64_t v = 0;
    int count = 0;
    while (FPos < FText.size() && HexDigit(FText[FPos]) >= 0) {
        if (++count > 16) FailAt(FLine, "Number out of range");
        v = (v << 4) | static_cast<uint64_t>(HexDigit(FText[FPos++]));
    }
    if (count == 0 || (FPos < FText.size() && IsIdentChar(FText[FPos])))
        FailAt(FLine, "Invalid hexadecimal number");
    Tok.Kind = TFormTokenKind::tkInteger;
    Tok.Int = static_cast<int64_t>(v); // sixteen digits give the bit pattern
}

void TFormLexer::AppendCodePoint(std::string& out, uint32_t cp) {
    AppendUtf8(out, cp);
}

// Quoted pieces and #nnn codes with nothing between them form one string.
// A #nnn code is a UTF-16 unit: pairs of surrogates combine.
void TFormLexer::LexString() {
    Tok.Kind = TFormTokenKind::tkString;
    std::string& out = Tok.Text;
    uint32_t high = 0; // a pending high surrogate
    while (FPos < FText.size()) {
        char c = FText[FPos];
        if (c == '\'') {
            if (high) FailAt(FLine, "Invalid character code");
            ++FPos;
            for (;;) {
                if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
                    FailAt(FLine, "Unterminated string");
                if (FText[FPos] == '\'') {
                    if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                        out += '\'';
                        FPos += 2;
                        continue;
                    }
                    ++FPos;
                    break;
                }
                size_t n = Utf8Length(FText, FPos);
                if (n == 0) FailAt(FLine, "Invalid UTF-8 in string");
                out.append(FText.substr(FPos, n));
                FPos += n;
            }
        } else if (c == '#') {
            ++FPos;
            uint32_t cp = 0;
            int count = 0;
            bool hex = FPos < FText.size() && FText[FPos] == '$';
            if (hex) ++FPos;
            while (FPos < FText.size() &&
                   (hex ? HexDigit(FText[FPos]) >= 0 : IsDigit(FText[FPos]))) {
                cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(HexDigit(FText[FPos++]));
                if (cp > 0x10FFFF) FailAt(FLine, "Invalid character code");
                ++count;
            }
            if (count == 0) FailAt(FLine, "Invalid character code");
            if (cp >= 0xDC00 && cp <= 0xDFFF) {
                if (!high) FailAt(FLine, "Invalid character code");
                cp = 0x10000 + ((high - 0xD800) << 10) + (cp - 0xDC00);
                high = 0;
            } else if (high) {
                FailAt(FLine, "Invalid character code");
            } else if (cp >= 0xD800 && cp <= 0xDBFF) {
                high = cp;
                continue;
            }
            AppendCodePoint(out, cp);
        } else {
            break;
        }
    }
    if (high) FailAt(FLine, "Invalid character code");
}

// Pictures of a skin come as binary data of tens of kilobytes: sizing the
// bytes once from the digits ahead keeps the vector from growing to twice
// what it holds while the definition is read.
void TFormLexer::LexBinary() {
    Tok.Kind = TFormTokenKind::tkBinary;
    ++FPos;
    // A definition's pictures are hundreds of kilobytes of digits in lines of
    // 64: decoded two digits at a step through a table, it is most of the
    // time the whole definition takes to read.
    const size_t close = FText.find('}', FPos);
    const size_t limit = close == std::string_view::npos ? FText.size() : close;
    const auto* const base = reinterpret_cast<const unsigned char*>(FText.data());
    const unsigned char* p = base + FPos;
    const unsigned char* const stop = base + limit;
    // At most one byte for two characters; cut to size at the end.
    Tok.Bytes.resize((limit - FPos) / 2);
    uint8_t* out = Tok.Bytes.data();
    int pending = -1;
    while (p < stop) {
        if (pending < 0 && stop - p >= 2) {
            const int high = HexValues[p[0]], low = HexValues[p[1]];
            if ((high | low) >= 0) {
                *out++ = static_cast<uint8_t>(high << 4 | low);
                p += 2;
                continue;
            }
        }
        const int d = HexValues[*p++];
        if (d == HexSpace) {
            FLine += p[-1] == '\n';
            continue;
        }
        if (d < 0) {
            FPos = static_cast<size_t>(p - base);
            FailAt(FLine, "Invalid binary data");
        }
        if (pending < 0) {
            pending = d;
        } else {
            *out++ = static_cast<uint8_t>(pending << 4 | d);
            pending = -1;
        }
    }
    Tok.Bytes.resize(static_cast<size_t>(out - Tok.Bytes.data()));
    FPos = limit;
    if (close == std::string_view::npos) FailAt(Tok.Line, "Unterminated binary data");
    ++FPos;
    if (pending >= 0) FailAt(FLine, "Odd number of hexadecimal digits in binary data");
}

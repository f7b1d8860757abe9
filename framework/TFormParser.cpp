#include "framework/TFormParser.h"

#include <charconv>
#include <cstdio>
#include <strings.h>
#include <unordered_set>

#include "framework/EReadError.h"

namespace {
bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

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

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
} // namespace

TFormParser::TFormParser(std::string_view text, std::string fileName)
    : FText(text), FFileName(std::move(fileName)) {
    if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
}

void TFormParser::FailAt(int line, const std::string& message) const {
    throw EReadError(FFileName, line, message);
}

void TFormParser::Fail(const std::string& message) const { FailAt(FTok.Line, message); }

// ---- Lexer ----------------------------------------------------------------

void TFormParser::SkipBlanks() {
    while (FPos < FText.size()) {
        char c = FText[FPos];
        if (c == '\n')
            ++FLine;
        else if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v')
            return;
        ++FPos;
    }
}

void TFormParser::Next() {
    SkipBlanks();
    FTok = TToken{};
    FTok.Line = FLine;
    if (FPos >= FText.size()) return;
    char c = FText[FPos];
    if (IsIdentStart(c)) {
        size_t start = FPos;
        while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
        FTok.Kind = TTokenKind::tkIdent;
        FTok.Text = std::string(FText.substr(start, FPos - start));
    } else if (IsDigit(c)) {
        LexNumber();
    } else if (c == '$') {
        LexHexNumber();
    } else if (c == '\'' || c == '#') {
        LexString();
    } else if (c == '{') {
        LexBinary();
    } else if (std::string_view(":=[](),<>.+-").find(c) != std::string_view::npos) {
        FTok.Kind = TTokenKind::tkSymbol;
        FTok.Symbol = c;
        ++FPos;
    } else {
        unsigned char u = static_cast<unsigned char>(c);
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%u", u);
        FailAt(FLine, u >= 0x21 && u < 0x7F ? std::string("Unexpected character '") + c + "'"
                                            : std::string("Unexpected character ") + buf);
    }
}

void TFormParser::LexNumber() {
    size_t start = FPos;
    while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
    bool isFloat = false;
    if (FPos + 1 < FText.size() && FText[FPos] == '.' && IsDigit(FText[FPos + 1])) {
        isFloat = true;
        ++FPos;
        while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
    }
    if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
        size_t k = FPos + 1;
        if (k < FText.size() && (FText[k] == '+' || FText[k] == '-')) ++k;
        if (k < FText.size() && IsDigit(FText[k])) {
            isFloat = true;
            FPos = k;
            while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
        }
    }
    std::string_view digits = FText.substr(start, FPos - start);
    if (isFloat) {
        // Single, currency and date suffixes say how the value was stored; the value is the same.
        if (FPos < FText.size() && std::string_view("sScCdD").find(FText[FPos]) != std::string_view::npos)
            ++FPos;
        FTok.Kind = TTokenKind::tkFloat;
        auto r = std::from_chars(digits.data(), digits.data() + digits.size(), FTok.Float);
        if (r.ec != std::errc()) FailAt(FLine, "Number out of range: " + std::string(digits));
    } else {
        FTok.Kind = TTokenKind::tkInteger;
        uint64_t v = 0;
        for (char d : digits) {
            if (v > (UINT64_MAX - 9) / 10) FailAt(FLine, "Number out of range: " + std::string(digits));
            v = v * 10 + static_cast<uint64_t>(d - '0');
        }
        if (v > uint64_t(INT64_MAX) + 1) FailAt(FLine, "Number out of range: " + std::string(digits));
        FTok.Big = v == uint64_t(INT64_MAX) + 1;
        FTok.Int = FTok.Big ? 0 : static_cast<int64_t>(v);
    }
    if (FPos < FText.size() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.'))
        FailAt(FLine, "Invalid number");
}

void TFormParser::LexHexNumber() {
    ++FPos;
    uint64_t v = 0;
    int count = 0;
    while (FPos < FText.size() && HexDigit(FText[FPos]) >= 0) {
        if (++count > 16) FailAt(FLine, "Number out of range");
        v = (v << 4) | static_cast<uint64_t>(HexDigit(FText[FPos++]));
    }
    if (count == 0 || (FPos < FText.size() && IsIdentChar(FText[FPos])))
        FailAt(FLine, "Invalid hexadecimal number");
    FTok.Kind = TTokenKind::tkInteger;
    FTok.Int = static_cast<int64_t>(v);  // sixteen digits give the bit pattern
}

void TFormParser::AppendCodePoint(std::string& out, uint32_t cp) {
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

// Quoted pieces and #nnn codes with nothing between them form one string.
// A #nnn code is a UTF-16 unit: pairs of surrogates combine.
void TFormParser::LexString() {
    FTok.Kind = TTokenKind::tkString;
    std::string& out = FTok.Text;
    uint32_t high = 0;  // a pending high surrogate
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
            while (FPos < FText.size() && (hex ? HexDigit(FText[FPos]) >= 0 : IsDigit(FText[FPos]))) {
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

void TFormParser::LexBinary() {
    FTok.Kind = TTokenKind::tkBinary;
    ++FPos;
    int pending = -1;
    for (;;) {
        if (FPos >= FText.size()) FailAt(FTok.Line, "Unterminated binary data");
        char c = FText[FPos++];
        if (c == '}') break;
        if (c == '\n') ++FLine;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        int d = HexDigit(c);
        if (d < 0) FailAt(FLine, "Invalid binary data");
        if (pending < 0) {
            pending = d;
        } else {
            FTok.Bytes.push_back(static_cast<uint8_t>(pending << 4 | d));
            pending = -1;
        }
    }
    if (pending >= 0) FailAt(FLine, "Odd number of hexadecimal digits in binary data");
}

// ---- Parser ---------------------------------------------------------------

std::string TFormParser::Describe() const {
    switch (FTok.Kind) {
    case TTokenKind::tkEnd: return "end of text";
    case TTokenKind::tkSymbol: return std::string("'") + FTok.Symbol + "'";
    case TTokenKind::tkIdent: return "'" + FTok.Text + "'";
    case TTokenKind::tkString: return "a string";
    case TTokenKind::tkInteger:
    case TTokenKind::tkFloat: return "a number";
    case TTokenKind::tkBinary: return "binary data";
    }
    return "?";
}

bool TFormParser::IsKeyword(const char* word) const {
    return FTok.Kind == TTokenKind::tkIdent && strcasecmp(FTok.Text.c_str(), word) == 0;
}

bool TFormParser::IsObjectKeyword() const {
    return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
}

std::string TFormParser::ExpectIdent(const char* what) {
    if (FTok.Kind != TTokenKind::tkIdent) Fail(std::string("Expected ") + what + " but found " + Describe());
    std::string s = std::move(FTok.Text);
    Next();
    return s;
}

void TFormParser::ExpectSymbol(char c) {
    if (!IsSymbol(c)) Fail(std::string("Expected '") + c + "' but found " + Describe());
    Next();
}

TObjectDefinition TFormParser::Parse() {
    Next();
    TObjectDefinition root = ParseObject(0);
    if (FTok.Kind != TTokenKind::tkEnd) Fail("Expected end of text but found " + Describe());
    return root;
}

TObjectDefinition TFormParser::ParseObject(int depth) {
    if (depth > MaxDepth) Fail("Objects nested too deeply");
    TObjectDefinition def;
    def.Line = FTok.Line;
    if (IsKeyword("inherited"))
        def.Keyword = TObjectKeyword::okInherited;
    else if (IsKeyword("inline"))
        def.Keyword = TObjectKeyword::okInline;
    else if (!IsKeyword("object"))
        Fail("Expected 'object' but found " + Describe());
    Next();
    std::string first = ExpectIdent("a name");
    if (IsSymbol(':')) {
        Next();
        def.Name = std::move(first);
        def.ClassName = ExpectIdent("a class name");
    } else {
        def.ClassName = std::move(first);
    }
    if (IsSymbol('[')) {  // the position among inherited children; not needed here
        Next();
        if (FTok.Kind != TTokenKind::tkInteger) Fail("Expected a number but found " + Describe());
        Next();
        ExpectSymbol(']');
    }
    ParseProperties(def.Props, depth);
    while (IsObjectKeyword()) def.Children.push_back(ParseObject(depth + 1));
    if (!IsKeyword("end")) {
        if (FTok.Kind == TTokenKind::tkIdent)
            Fail("Property '" + FTok.Text + "' must come before the child objects");
        Fail("Expected 'end' but found " + Describe());
    }
    Next();
    return def;
}

void TFormParser::ParseProperties(std::vector<TPropertyAssignment>& props, int depth) {
    std::unordered_set<std::string> seen;
    while (FTok.Kind == TTokenKind::tkIdent && !IsObjectKeyword() && !IsKeyword("end")) {
        TPropertyAssignment a = ParseAssignment(depth);
        // A second assignment could leave fixups pointing into replaced sub-objects.
        if (!seen.insert(Lower(a.Name)).second)
            FailAt(a.Line, "Property '" + a.Name + "' is assigned twice");
        props.push_back(std::move(a));
    }
}

TPropertyAssignment TFormParser::ParseAssignment(int depth) {
    TPropertyAssignment a;
    a.Line = FTok.Line;
    a.Name = ExpectIdent("a property name");
    while (IsSymbol('.')) {
        Next();
        a.Name += '.';
        a.Name += ExpectIdent("a property name");
    }
    ExpectSymbol('=');
    a.Value = ParseValue(depth);
    return a;
}

TValue TFormParser::ParseValue(int depth) {
    TValue v;
    v.Line = FTok.Line;
    if (IsSymbol('-') || IsSymbol('+')) {
        bool negative = IsSymbol('-');
        Next();
        if (FTok.Kind != TTokenKind::tkInteger && FTok.Kind != TTokenKind::tkFloat)
            Fail("Expected a number but found " + Describe());
        ParseNumber(v, negative);
        return v;
    }
    switch (FTok.Kind) {
    case TTokenKind::tkInteger:
    case TTokenKind::tkFloat: ParseNumber(v, false); break;
    case TTokenKind::tkString: ParseString(v); break;
    case TTokenKind::tkIdent:
        v.Kind = TValueKind::vkIdent;
        v.Str = ExpectIdent("a value");
        while (IsSymbol('.')) {
            Next();
            v.Str += '.';
            v.Str += ExpectIdent("a name");
        }
        break;
    case TTokenKind::tkBinary:
        v.Kind = TValueKind::vkBinary;
        v.Bytes = std::move(FTok.Bytes);
        Next();
        break;
    case TTokenKind::tkSymbol:
        if (FTok.Symbol == '[') {
            ParseSet(v);
            break;
        }
        if (FTok.Symbol == '(') {
            ParseList(v);
            break;
        }
        if (FTok.Symbol == '<') {
            ParseCollection(v, depth + 1);
            break;
        }
        [[fallthrough]];
    case TTokenKind::tkEnd: Fail("Expected a value but found " + Describe());
    }
    return v;
}

void TFormParser::ParseNumber(TValue& v, bool negative) {
    if (FTok.Kind == TTokenKind::tkFloat) {
        v.Kind = TValueKind::vkFloat;
        v.Float = negative ? -FTok.Float : FTok.Float;
    } else {
        v.Kind = TValueKind::vkInteger;
        if (FTok.Big && !negative) Fail("Number out of range");
        uint64_t magnitude = FTok.Big ? uint64_t(INT64_MAX) + 1 : static_cast<uint64_t>(FTok.Int);
        v.Int = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    }
    Next();
}

void TFormParser::ParseString(TValue& v) {
    v.Kind = TValueKind::vkString;
    v.Str = std::move(FTok.Text);
    Next();
    while (IsSymbol('+')) {
        Next();
        if (FTok.Kind != TTokenKind::tkString) Fail("Expected a string after '+' but found " + Describe());
        v.Str += FTok.Text;
        Next();
    }
}

void TFormParser::ParseSet(TValue& v) {
    v.Kind = TValueKind::vkSet;
    Next();
    if (!IsSymbol(']')) {
        for (;;) {
            v.Items.push_back(ExpectIdent("a set member"));
            if (!IsSymbol(',')) break;
            Next();
        }
    }
    ExpectSymbol(']');
}

// Lists hold strings; numbers and identifiers are kept as their text.
void TFormParser::ParseList(TValue& v) {
    v.Kind = TValueKind::vkStrings;
    Next();
    while (!IsSymbol(')')) {
        if (FTok.Kind == TTokenKind::tkString) {
            TValue item;
            ParseString(item);
            v.Items.push_back(std::move(item.Str));
        } else if (FTok.Kind == TTokenKind::tkIdent || FTok.Kind == TTokenKind::tkInteger ||
                   FTok.Kind == TTokenKind::tkFloat || IsSymbol('-')) {
            TValue item = ParseValue(0);
            if (item.Kind == TValueKind::vkFloat) {
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.17g", item.Float);
                item.Str = buf;
            } else if (item.Kind == TValueKind::vkInteger) {
                item.Str = std::to_string(item.Int);
            }
            v.Items.push_back(std::move(item.Str));
        } else {
            Fail("Expected a string or ')' but found " + Describe());
        }
    }
    Next();
}

void TFormParser::ParseCollection(TValue& v, int depth) {
    if (depth > MaxDepth) Fail("Collections nested too deeply");
    v.Kind = TValueKind::vkCollection;
    Next();
    while (!IsSymbol('>')) {
        if (!IsKeyword("item")) Fail("Expected 'item' or '>' but found " + Describe());
        Next();
        if (IsSymbol('[')) {  // order modifier
            Next();
            if (FTok.Kind != TTokenKind::tkInteger) Fail("Expected a number but found " + Describe());
            Next();
            ExpectSymbol(']');
        }
        v.CollectionItems.emplace_back();
        ParseProperties(v.CollectionItems.back(), depth);
        if (!IsKeyword("end")) Fail("Expected 'end' but found " + Describe());
        Next();
    }
    Next();
}

#include "component/TFormParser.h"

#include <strings.h>

#include <charconv>
#include <unordered_set>

#include "component/EReadError.h"

namespace {
std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
} // namespace

TFormParser::TFormParser(std::string_view text, std::string fileName)
    : FLex(text, std::move(fileName)) {}

void TFormParser::Fail(const std::string& message) const {
    FLex.FailAt(FLex.Tok.Line, message);
}

void TFormParser::FailAt(int line, const std::string& message) const {
    FLex.FailAt(line, message);
}

std::string TFormParser::Describe() const {
    switch (FLex.Tok.Kind) {
    case TFormTokenKind::tkEnd:
        return "end of text";
    case TFormTokenKind::tkSymbol:
        return std::string("'") + FLex.Tok.Symbol + "'";
    case TFormTokenKind::tkIdent:
        return "'" + FLex.Tok.Text + "'";
    case TFormTokenKind::tkString:
        return "a string";
    case TFormTokenKind::tkInteger:
    case TFormTokenKind::tkFloat:
        return "a number";
    case TFormTokenKind::tkBinary:
        return "binary data";
    }
    return "?";
}

bool TFormParser::IsKeyword(const char* word) const {
    return FLex.Tok.Kind == TFormTokenKind::tkIdent && strcasecmp(FLex.Tok.Text.c_str(), word) == 0;
}

bool TFormParser::IsObjectKeyword() const {
    return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
}

std::string TFormParser::ExpectIdent(const char* what) {
    if (FLex.Tok.Kind != TFormTokenKind::tkIdent)
        Fail(std::string("Expected ") + what + " but found " + Describe());
    std::string s = std::move(FLex.Tok.Text);
    FLex.Next();
    return s;
}

void TFormParser::ExpectSymbol(char c) {
    if (!IsSymbol(c)) Fail(std::string("Expected '") + c + "' but found " + Describe());
    FLex.Next();
}

TObjectDefinition TFormParser::Parse() {
    FLex.Next();
    TObjectDefinition root = ParseObject(0);
    if (FLex.Tok.Kind != TFormTokenKind::tkEnd)
        Fail("Expected end of text but found " + Describe());
    return root;
}

TObjectDefinition TFormParser::ParseObject(int depth) {
    if (depth > MaxDepth) Fail("Objects nested too deeply");
    TObjectDefinition def;
    def.Line = FLex.Tok.Line;
    if (IsKeyword("inherited"))
        def.Keyword = TObjectKeyword::okInherited;
    else if (IsKeyword("inline"))
        def.Keyword = TObjectKeyword::okInline;
    else if (!IsKeyword("object"))
        Fail("Expected 'object' but found " + Describe());
    FLex.Next();
    std::string first = ExpectIdent("a name");
    if (IsSymbol(':')) {
        FLex.Next();
        def.Name = std::move(first);
        def.ClassName = ExpectIdent("a class name");
    } else {
        def.ClassName = std::move(first);
    }
    if (IsSymbol('[')) { // the position among inherited children; not needed here
        FLex.Next();
        if (FLex.Tok.Kind != TFormTokenKind::tkInteger)
            Fail("Expected a number but found " + Describe());
        FLex.Next();
        ExpectSymbol(']');
    }
    ParseProperties(def.Props, depth);
    while (IsObjectKeyword())
        def.Children.push_back(ParseObject(depth + 1));
    if (!IsKeyword("end")) {
        if (FLex.Tok.Kind == TFormTokenKind::tkIdent)
            Fail("Property '" + FLex.Tok.Text + "' must come before the child objects");
        Fail("Expected 'end' but found " + Describe());
    }
    FLex.Next();
    return def;
}

void TFormParser::ParseProperties(std::vector<TPropertyAssignment>& props, int depth) {
    std::unordered_set<std::string> seen;
    while (FLex.Tok.Kind == TFormTokenKind::tkIdent && !IsObjectKeyword() && !IsKeyword("end")) {
        TPropertyAssignment a = ParseAssignment(depth);
        // A second assignment could leave fixups pointing into replaced sub-objects.
        if (!seen.insert(Lower(a.Name)).second)
            FailAt(a.Line, "Property '" + a.Name + "' is assigned twice");
        props.push_back(std::move(a));
    }
}

TPropertyAssignment TFormParser::ParseAssignment(int depth) {
    TPropertyAssignment a;
    a.Line = FLex.Tok.Line;
    a.Name = ExpectIdent("a property name");
    while (IsSymbol('.')) {
        FLex.Next();
        a.Name += '.';
        a.Name += ExpectIdent("a property name");
    }
    ExpectSymbol('=');
    a.Value = ParseValue(depth);
    return a;
}

TValue TFormParser::ParseValue(int depth) {
    TValue v;
    v.Line = FLex.Tok.Line;
    if (IsSymbol('-') || IsSymbol('+')) {
        bool negative = IsSymbol('-');
        FLex.Next();
        if (FLex.Tok.Kind != TFormTokenKind::tkInteger && FLex.Tok.Kind != TFormTokenKind::tkFloat)
            Fail("Expected a number but found " + Describe());
        ParseNumber(v, negative);
        return v;
    }
    switch (FLex.Tok.Kind) {
    case TFormTokenKind::tkInteger:
    case TFormTokenKind::tkFloat:
        ParseNumber(v, false);
        break;
    case TFormTokenKind::tkString:
        ParseString(v);
        break;
    case TFormTokenKind::tkIdent:
        v.Kind = TValueKind::vkIdent;
        v.Str = ExpectIdent("a value");
        while (IsSymbol('.')) {
            FLex.Next();
            v.Str += '.';
            v.Str += ExpectIdent("a name");
        }
        break;
    case TFormTokenKind::tkBinary:
        v.Kind = TValueKind::vkBinary;
        v.Bytes = std::move(FLex.Tok.Bytes);
        FLex.Next();
        break;
    case TFormTokenKind::tkSymbol:
        if (FLex.Tok.Symbol == '[') {
            ParseSet(v);
            break;
        }
        if (FLex.Tok.Symbol == '(') {
            ParseList(v);
            break;
        }
        if (FLex.Tok.Symbol == '<') {
            ParseCollection(v, depth + 1);
            break;
        }
        [[fallthrough]];
    case TFormTokenKind::tkEnd:
        Fail("Expected a value but found " + Describe());
    }
    return v;
}

void TFormParser::ParseNumber(TValue& v, bool negative) {
    if (FLex.Tok.Kind == TFormTokenKind::tkFloat) {
        v.Kind = TValueKind::vkFloat;
        v.Float = negative ? -FLex.Tok.Float : FLex.Tok.Float;
    } else {
        v.Kind = TValueKind::vkInteger;
        if (FLex.Tok.Big && !negative) Fail("Number out of range");
        uint64_t magnitude =
            FLex.Tok.Big ? uint64_t(INT64_MAX) + 1 : static_cast<uint64_t>(FLex.Tok.Int);
        v.Int = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    }
    FLex.Next();
}

void TFormParser::ParseString(TValue& v) {
    v.Kind = TValueKind::vkString;
    v.Str = std::move(FLex.Tok.Text);
    FLex.Next();
    while (IsSymbol('+')) {
        FLex.Next();
        if (FLex.Tok.Kind != TFormTokenKind::tkString)
            Fail("Expected a string after '+' but found " + Describe());
        v.Str += FLex.Tok.Text;
        FLex.Next();
    }
}

void TFormParser::ParseSet(TValue& v) {
    v.Kind = TValueKind::vkSet;
    FLex.Next();
    if (!IsSymbol(']')) {
        for (;;) {
            v.Items.push_back(ExpectIdent("a set member"));
            if (!IsSymbol(',')) break;
            FLex.Next();
        }
    }
    ExpectSymbol(']');
}

// Lists hold strings; numbers and identifiers are kept as their text.
void TFormParser::ParseList(TValue& v) {
    v.Kind = TValueKind::vkStrings;
    FLex.Next();
    while (!IsSymbol(')')) {
        if (FLex.Tok.Kind == TFormTokenKind::tkString) {
            TValue item;
            ParseString(item);
            v.Items.push_back(std::move(item.Str));
        } else if (FLex.Tok.Kind == TFormTokenKind::tkIdent ||
                   FLex.Tok.Kind == TFormTokenKind::tkInteger ||
                   FLex.Tok.Kind == TFormTokenKind::tkFloat || IsSymbol('-')) {
            TValue item = ParseValue(0);
            if (item.Kind == TValueKind::vkFloat) {
                // Written as printf's %.17g would be in the C locale, whatever
                // the locale: SDL sets the user's for a moment while it starts
                // beside the parse, and a decimal comma is no number here.
                char buf[32];
                const auto r = std::to_chars(buf, buf + sizeof buf, item.Float,
                                             std::chars_format::general, 17);
                item.Str.assign(buf, r.ptr);
            } else if (item.Kind == TValueKind::vkInteger) {
                item.Str = std::to_string(item.Int);
            }
            v.Items.push_back(std::move(item.Str));
        } else {
            Fail("Expected a string or ')' but found " + Describe());
        }
    }
    FLex.Next();
}

void TFormParser::ParseCollection(TValue& v, int depth) {
    if (depth > MaxDepth) Fail("Collections nested too deeply");
    v.Kind = TValueKind::vkCollection;
    FLex.Next();
    while (!IsSymbol('>')) {
        if (!IsKeyword("item")) Fail("Expected 'item' or '>' but found " + Describe());
        FLex.Next();
        if (IsSymbol('[')) { // order modifier
            FLex.Next();
            if (FLex.Tok.Kind != TFormTokenKind::tkInteger)
                Fail("Expected a number but found " + Describe());
            FLex.Next();
            ExpectSymbol(']');
        }
        v.CollectionItems.emplace_back();
        ParseProperties(v.CollectionItems.back(), depth);
        if (!IsKeyword("end")) Fail("Expected 'end' but found " + Describe());
        FLex.Next();
    }
    FLex.Next();
}

#pragma once
// Parses the text of a form definition into a tree of object blocks without
// creating anything, so that a syntax error is found before the first
// component exists. Errors throw EReadError naming the file and line.
//
//   object Form1: TForm1            (also "inherited" and "inline")
//     Caption = 'Op'#231#245'es'     strings: '' for a quote, #nnn code points, + joins
//     Font.Height = -11              dotted paths; integers, $hex, floats
//     BorderIcons = [biSystemMenu]   sets; identifiers
//     Items.Strings = ( 'a' 'b' )    lists
//     Panels = < item Width = 50 end >   collections
//     Data = { 0A1B }                binary
//     object Button1: TButton ... end
//   end

#include <string>
#include <string_view>
#include <vector>

#include "component/TClassRegistry.h"
#include "component/TFormLexer.h"

enum class TObjectKeyword { okObject, okInherited, okInline };

struct TObjectDefinition {
    TObjectKeyword Keyword = TObjectKeyword::okObject;
    std::string Name; // empty for an unnamed object
    std::string ClassName;
    int Line = 0;
    std::vector<TPropertyAssignment> Props; // in file order
    std::vector<TObjectDefinition> Children;
};

class TFormParser {
public:
    TFormParser(std::string_view text, std::string fileName);

    // The one root object block of the text.
    TObjectDefinition Parse();

    static TObjectDefinition Parse(std::string_view text, const std::string& fileName) {
        return TFormParser(text, fileName).Parse();
    }

    // Object blocks, lists and collections nest at most this deep.
    static constexpr int MaxDepth = 100;

private:
    TObjectDefinition ParseObject(int depth);
    void ParseProperties(std::vector<TPropertyAssignment>& props, int depth);
    TPropertyAssignment ParseAssignment(int depth);
    TValue ParseValue(int depth);
    void ParseNumber(TValue& v, bool negative);
    void ParseString(TValue& v);
    void ParseSet(TValue& v);
    void ParseList(TValue& v);
    void ParseCollection(TValue& v, int depth);
    std::string ExpectIdent(const char* what);
    void ExpectSymbol(char c);
    bool IsSymbol(char c) const {
        return FLex.Tok.Kind == TFormTokenKind::tkSymbol && FLex.Tok.Symbol == c;
    }
    bool IsKeyword(const char* word) const;
    bool IsObjectKeyword() const;
    std::string Describe() const;
    [[noreturn]] void Fail(const std::string& message) const;
    [[noreturn]] void FailAt(int line, const std::string& message) const;

    TFormLexer FLex;
};

#pragma once
// Tokens of a form definition. Strings come out as UTF-8: quoted pieces
// ('' for a quote) and #nnn code points (#$hex too) written without blanks
// between them form one string token; surrogate pairs combine. Binary data
// { 0A1B ... } is one token; numbers carry no sign (it is a symbol).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TFormTokenKind { tkEnd, tkSymbol, tkIdent, tkString, tkInteger, tkFloat, tkBinary };

struct TFormToken {
    TFormTokenKind Kind = TFormTokenKind::tkEnd;
    char Symbol = 0;
    std::string Text; // identifier, or the UTF-8 of a string
    int64_t Int = 0;  // an integer's magnitude ($hex: its bit pattern)
    bool Big = false; // the magnitude is 2^63, valid only after a minus sign
    double Float = 0;
    std::vector<uint8_t> Bytes;
    int Line = 0;
};

class TFormLexer {
public:
    TFormLexer(std::string_view text, std::string fileName);

    // Reads the next token into Tok; throws EReadError on a malformed one.
    void Next();
    [[noreturn]] void FailAt(int line, const std::string& message) const;

    TFormToken Tok;

private:
    void SkipBlanks();
    void LexNumber();
    void LexHexNumber();
    void LexString();
    void LexBinary();
    static void AppendCodePoint(std::string& out, uint32_t cp);

    std::string_view FText;
    std::string FFileName;
    size_t FPos = 0;
    int FLine = 1;
};

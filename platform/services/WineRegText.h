#pragma once
// The text forms inside a Wine prefix's user.reg, as Wine's registry server
// writes and reads them: escaped names, texts and key names, and value data.
//
// Escapes: the backslash and the delimiters of the text (the quote in names
// and texts, [ and ] in key names) get a backslash; control characters are
// written \a \b \t \n \v \f \r \e, the others in octal (\0, or \001 when an
// octal digit follows); every UTF-16 code unit above 0x7f is written \x with
// its hex digits (four of them when an ASCII hex digit follows, so that the
// reader knows where the number ends). Reading takes up to four hex and three
// octal digits, reads an unknown escape as the character after the
// backslash, and accepts raw UTF-8 as well, which hand-edited files hold.
//
// Value data after the '=': "text" (REG_SZ), str(N):"text" (type N written
// as text), dword:0000000a, hex:01,02 (REG_BINARY) and hex(N):01,02. In the
// data of TRegValueData, REG_SZ and REG_EXPAND_SZ hold UTF-8 up to the first
// NUL; every other type holds the bytes Windows would hand a program (texts
// of str(N) as UTF-16LE with the final NUL).

#include <string>
#include <string_view>

#include "platform/services/TRegistryFile.h"

// Unescapes s from pos (just after the opening delimiter) to the first
// unescaped end character, and leaves pos just after it. False when the end
// never comes. With out null it only checks.
bool ParseWineString(std::string_view s, size_t& pos, char end, std::u16string* out);

// The escaped form, without delimiters; specials holds the delimiters.
std::string EscapeWineString(std::u16string_view units, std::string_view specials);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);
// Invalid bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// Parses the data of a value line (hex data that went on over several lines
// joined into one). Empty on success, else what is wrong with it. With out
// null it only checks, without building the value.
std::string ParseWineValueData(std::string_view data, TRegValueData* out);

// The value as Wine writes it: the name ("Name"= or @= for the default
// value), then the data; long hex data goes on over lines joined by eol, a
// backslash ending each line but the last, as Wine wraps it.
std::string FormatWineValue(std::string_view name, const TRegValueData& data, std::string_view eol);

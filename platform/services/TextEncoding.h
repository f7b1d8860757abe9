#pragma once
// Text encodings at the edge of the program. Everything inside is UTF-8; files
// written on Windows arrive in the ANSI code page Windows-1252, and a text file
// is read as UTF-8 only when its bytes are valid UTF-8 (with or without a byte
// order mark), else as Windows-1252.

#include <cstddef>
#include <string>
#include <string_view>

// Every byte maps to one character. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// number, as Windows does, so that the conversion back loses nothing.
std::string Windows1252ToUtf8(std::string_view ansi);

// Characters outside the code page become '?'; invalid UTF-8 bytes too.
std::string Utf8ToWindows1252(std::string_view utf8);

// Valid UTF-8 kept; each byte that is not part of a valid sequence taken as a
// Windows-1252 character.
std::string ToValidUtf8(std::string_view bytes);

// Strict: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// The bytes of a text file as UTF-8: a UTF-8 byte order mark is dropped; a
// UTF-16 byte order mark selects UTF-16; valid UTF-8 is kept; anything else is
// taken as Windows-1252.
std::string DecodeTextFile(std::string_view bytes);

// Decodes one code point at pos and advances pos; invalid bytes give U+FFFD
// and advance by one.
char32_t NextCodePoint(std::string_view utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

// Case-insensitive equality as the Windows "A" functions compare names: ASCII,
// the letters of Windows-1252 and the Latin, Greek and Cyrillic alphabets.
bool Utf8SameText(std::string_view a, std::string_view b);
char32_t FoldCase(char32_t cp);

// Number of characters (code points) and the prefix of at most n characters.
size_t Utf8Length(std::string_view utf8);
std::string_view Utf8Left(std::string_view utf8, size_t n);

#pragma once
// Profile (ini) files read the way GetPrivateProfileStringA reads them:
// section and key names compared without regard to case, blanks (space, tab,
// vertical tab) around names and values in the file dropped, one pair of
// matching quotes around a value removed, a missing file or key giving the
// default. A header's name ends at its first ']'. Only the first section of a
// name is searched, and the first key of a name in it wins. Keys above the
// first header belong to no section. The caller's names lose spaces only. The file's
// text is converted to UTF-8 when read (see TextEncoding.h), so names written
// in UTF-8 in the program match files saved in either encoding.
//
// The reader never fails: lines it cannot make sense of are skipped and listed
// in Warnings() with their line numbers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The launcher reads its values through a buffer of 2048 characters.
constexpr size_t MaxProfileValueLength = 2047;
// The most the profile call returns of one value, whatever the caller's buffer.
// A longer value is cut there rather than wrapped to a short one by a 16-bit count.
constexpr size_t MaxProfileCallLength = 65535;

struct TProfileEntry {
    std::string Key;
    std::string Value;
    bool HasValue = false; // a line without '=' names a key with no value
};

struct TProfileSection {
    std::string Name;
    bool HasHeader = true; // false for the keys above the first header
    std::vector<TProfileEntry> Entries;
};

class TIniFile {
public:
    // Reads the file now; later changes to it are not seen.
    explicit TIniFile(std::string fileName);
    // Parses the bytes of a file already in memory.
    static TIniFile FromBytes(std::string_view bytes, std::string fileName = {});

    const std::string& FileName() const { return FFileName; }
    bool FileFound() const { return FFileFound; }

    // At most maxLength characters; the default, less its trailing spaces, when absent.
    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue,
                           size_t maxLength = MaxProfileValueLength) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;
    // Section names, and the names of the keys with a value in the first section of a
    // name, in file order with repeats; in time proportional to the file.
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;

    // "launch.ini line 4: section header without ']'".
    const std::vector<std::string>& Warnings() const { return FWarnings; }

private:
    TIniFile() = default;
    void Parse(std::string_view bytes);
    void ParseHeader(std::string_view line, int lineNo);
    void ParseEntry(std::string_view line, int lineNo);
    void Warn(int lineNo, const char* what);
    const TProfileSection* FindSection(std::string_view section) const;
    const TProfileEntry* Find(std::string_view section, std::string_view ident) const;

    std::string FFileName;
    bool FFileFound = false;
    std::vector<TProfileSection> FSections;
    std::vector<std::string> FWarnings;
};

// The profile call itself. Reads the file at each call. Section null lists the
// section names, key null the keys of the section, each ended by a NUL with a
// second NUL after the last. A value is at most MaxProfileCallLength
// characters. The text copied is UTF-8, cut at a character boundary to fit
// size - 1 bytes (size - 2 for lists); returns the number of bytes copied
// without the final NUL.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* returned, uint32_t size, const char* fileName);

#pragma once
// Profile (ini) files read the way GetPrivateProfileStringA reads them:
// section and key names compared without regard to case, blanks around names
// and values dropped, one pair of matching quotes around a value removed, the
// first match winning, a missing file or key giving the default. The file's
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

// Values reach the caller through a buffer of 2048 characters.
constexpr size_t MaxProfileValueLength = 2047;

struct TProfileEntry {
    std::string Key;
    std::string Value;
    bool HasValue = false; // a line without '=' names a key with no value
};

struct TProfileSection {
    std::string Name;
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

    // At most MaxProfileValueLength characters; the default when absent.
    std::string ReadString(std::string_view section, std::string_view ident,
                           std::string_view defaultValue) const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view ident) const;
    // Section names, and key names of one section, in file order without repeats.
    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;

    // "launch.ini line 4: section header without ']'".
    const std::vector<std::string>& Warnings() const { return FWarnings; }

private:
    TIniFile() = default;
    void Parse(std::string_view bytes);
    const TProfileEntry* Find(std::string_view section, std::string_view ident) const;

    std::string FFileName;
    bool FFileFound = false;
    std::vector<TProfileSection> FSections;
    std::vector<std::string> FWarnings;
};

// The profile call itself. Reads the file at each call. Section null lists the
// section names, key null the keys of the section, each ended by a NUL with a
// second NUL after the last. The text copied is UTF-8, cut at a character
// boundary to fit size - 1 bytes (size - 2 for lists); returns the number of
// bytes copied without the final NUL.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* returned, uint32_t size, const char* fileName);

#pragma once
// The text file that stands in for the current user's registry, in the format
// the Windows registry editor exports:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Korvan\Quelm\Config]
//   "ID"="name with \\ and \" escaped"
//   "Resolution"=dword:00000002
//   "Blob"=hex:01,02,03      (long data continues on indented lines after ",\")
//
// "Windows Registry Editor Version 5.00" as first line reads too (its hex(1),
// hex(2) and hex(7) texts are UTF-16). The file is UTF-8. Every line is kept as
// read; a change rewrites only the lines of the value it touches, so keys and
// values this program does not know survive byte for byte. A file that cannot
// be parsed raises ERegistryException naming the file and line, and is never
// written over.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t REG_NONE = 0;
constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_EXPAND_SZ = 2;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;
constexpr uint32_t REG_MULTI_SZ = 7;

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Texts (REG_SZ, REG_EXPAND_SZ) hold UTF-8 without the final NUL; REG_DWORD
// holds four bytes, low byte first; other types hold their bytes.
struct TRegValueData {
    uint32_t Type = REG_NONE;
    std::string Bytes;
};

class TRegistryFile {
public:
    // A missing file is an empty store; an unreadable or unparsable one throws.
    static TRegistryFile Load(const std::string& path);
    static TRegistryFile Parse(std::string_view bytes, const std::string& fileName);

    // The file's text as Save writes it.
    std::string Text() const;
    // Temporary file beside the target, flushed to disk, then renamed over it.
    // Throws ERegistryException with the reason on failure; the old file stays.
    void Save(const std::string& path) const;

    // True when the key or any key below it is present.
    bool KeyExists(std::string_view keyPath) const;
    // Adds an empty key; false when it was present already.
    bool AddKey(std::string_view keyPath);
    // The last definition in the file wins, as an import would leave it.
    const TRegValueData* FindValue(std::string_view keyPath, std::string_view name) const;
    void SetValue(std::string_view keyPath, std::string_view name, const TRegValueData& data);

private:
    struct TItem {
        std::string Raw; // the line(s) as in the file, without line ends
        bool IsValue = false;
        std::string Name;
        TRegValueData Data;
    };
    struct TBlock {
        std::string Path;
        std::string Header; // the key line as in the file
        std::vector<TItem> Items;
    };

    void ParseLine(const std::vector<std::string_view>& lines, size_t& i,
                   const std::string& fileName);
    TItem* FindItem(std::string_view keyPath, std::string_view name);
    std::string FormatValue(std::string_view name, const TRegValueData& data) const;

    int FVersion = 4;
    std::string FEol = "\n";
    std::vector<std::string> FPreamble; // header line, then blanks and comments
    std::vector<TBlock> FBlocks;
};

// Key paths compare without regard to case, trailing backslashes ignored.
bool SameRegistryPath(std::string_view a, std::string_view b);
// True when path is prefix or lies below it, by the same rule.
bool RegistryPathStartsWith(std::string_view path, std::string_view prefix);

#pragma once
// The current user's registry of a Wine prefix: the file user.reg that Wine's
// registry server loads when it starts and writes back when it saves.
//
//   WINE REGISTRY Version 2
//   ;; All keys relative to \\User\\S-1-5-21-0-0-0-1000
//
//   #arch=win64
//
//   [Software\\Korvan\\Quelm\\Config] 1700000000
//   #time=1da1b2c3d4e5f60
//   "ID"="Jo\xe3o"
//   "Resolution"=dword:00000002
//   "Blob"=hex:01,02,\   (long data goes on over lines ending in a backslash)
//     03
//
// Key paths are relative to the current user and use one backslash between
// parts here (the file doubles it); they compare without regard to case. The
// number after a key is its last change in seconds since 1970; newer Wine
// adds the same moment as a #time line (100 ns since 1601, in hex). Escapes
// and value data are described in WineRegText.h.
//
// Parse checks every line but remembers only where each key's lines lie;
// values are decoded when asked for, so a few values of a large file read
// quickly. Edits change the text in place: only the lines of the value set
// (or new lines at the end of its key, or a new key at the end of the file),
// and that key's time stamp and #time line. Every other byte stays as it was.
// A file that cannot be parsed raises ERegistryException naming the file and
// the line.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services/TRegistryFile.h"

class TWineRegistryFile {
public:
    // A missing or unreadable file throws, as does one that does not parse.
    static TWineRegistryFile Load(const std::string& path);
    static TWineRegistryFile Parse(std::string bytes, std::string fileName);

    const std::string& Text() const { return FText; }
    // Atomically (AtomicFile.h); throws ERegistryException on failure.
    void Save(const std::string& path) const;

    // True when the key or a key below it is present.
    bool KeyExists(std::string_view keyPath) const;
    // The last definition in the file wins, as Wine's loading leaves it.
    std::optional<TRegValueData> FindValue(std::string_view keyPath, std::string_view name) const;

    // now is the time stamp a changed or new key gets, in seconds since 1970.
    // AddKey is false when the key was present already.
    bool AddKey(std::string_view keyPath, int64_t now);
    void SetValue(std::string_view keyPath, std::string_view name, const TRegValueData& data,
                  int64_t now);

private:
    struct TBlock {
        std::string Path; // unescaped, one backslash between parts
        bool Ascii = false;
        size_t Begin = 0; // the key line
        size_t Body = 0;  // the line after it
        size_t Tail = 0;  // after its last value or option line
        size_t End = 0;   // the next key line, or the end of the text
    };
    struct TValueAt {
        size_t Begin = 0, End = 0; // its lines, line ends included
    };

    void ParseLines();
    void AddBlock(std::string_view content, size_t begin, size_t body, size_t lineNo);
    [[noreturn]] void Fail(size_t lineNo, const std::string& what) const;
    const TBlock* LastBlock(std::string_view keyPath) const;
    std::optional<TValueAt> FindValueLines(const TBlock& block, std::string_view name) const;
    void Splice(size_t begin, size_t end, std::string_view with);
    void AppendBlock(const std::string& keyPath, int64_t now);
    void StampKey(size_t blockIndex, int64_t now);

    std::string FText;
    std::string FFileName;
    std::string FEol = "\n";
    bool FTimeLines = false; // the file's keys carry #time lines
    std::vector<TBlock> FBlocks;
};

#pragma once
// Ini text held in memory: the options file of a skin folder, or the lines of
// a skin manager's CommonSections. Section and key names match without regard
// to case; sections and keys keep the order of the text.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TsMemIniFile {
public:
    TsMemIniFile() = default;
    explicit TsMemIniFile(const std::vector<std::string>& lines) { SetStrings(lines); }

    // Replaces the content. "[Name]" opens a section, "key=value" adds a value
    // to the open one; empty lines, lines beginning with ';' and lines before
    // the first section are skipped. A section named twice continues the first.
    void SetStrings(const std::vector<std::string>& lines);
    void SetText(const std::string& text);

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> Sections() const;
    // The keys of a section in text order (none for a missing section).
    std::vector<std::string> SectionKeys(const std::string& section) const;

    // The trimmed value, or def when the section or key is missing.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal, or hexadecimal after "0x" or "$"; def when missing or not a number.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    // True when the value upper-cased is "TRUE"; def when missing.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;

    // The conversion ReadInteger uses; false when the text is not a 32-bit number.
    static bool ParseInteger(const std::string& text, int32_t& value);

private:
    struct TKey {
        std::string Name;
        std::string Value;
    };
    // Indexes by upper-case name beside the lists, which keep the text's order:
    // the skin reader looks up thousands of keys per load.
    struct TSection {
        std::string Name;
        std::vector<TKey> Keys;
        std::unordered_map<std::string, size_t> KeyIndex;
    };
    const TSection* FindSection(const std::string& name) const;
    const TKey* FindKey(const std::string& section, const std::string& key) const;

    std::vector<TSection> FSections;
    std::unordered_map<std::string, size_t> FSectionIndex;
};

#include "skin/TsMemIniFile.h"

#include <limits>
#include <sstream>
#include <strings.h>

namespace {

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

bool SameText(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The form names are looked up by: ASCII upper case, as names match without regard to case.
std::string Folded(const std::string& name) {
    std::string out = name;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

void TsMemIniFile::SetStrings(const std::vector<std::string>& lines) {
    FSections.clear();
    FSectionIndex.clear();
    size_t open = 0;
    bool inSection = false;
    for (const std::string& raw : lines) {
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = Trim(line.substr(1, line.size() - 2));
            const auto [at, added] = FSectionIndex.emplace(Folded(name), FSections.size());
            if (added) FSections.push_back({name, {}, {}});
            open = at->second;
            inSection = true;
            continue;
        }
        if (!inSection) continue;
        const size_t eq = line.find('=');
        TSection& s = FSections[open];
        TKey k = eq == std::string::npos
                     ? TKey{line, ""}
                     : TKey{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
        // The first of two keys of one name is the one read.
        s.KeyIndex.emplace(Folded(k.Name), s.Keys.size());
        s.Keys.push_back(std::move(k));
    }
}

void TsMemIniFile::SetText(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    SetStrings(lines);
}

const TsMemIniFile::TSection* TsMemIniFile::FindSection(const std::string& name) const {
    const auto at = FSectionIndex.find(Folded(name));
    return at == FSectionIndex.end() ? nullptr : &FSections[at->second];
}

const TsMemIniFile::TKey* TsMemIniFile::FindKey(const std::string& section,
                                                const std::string& key) const {
    const TSection* s = FindSection(section);
    if (!s) return nullptr;
    const auto at = s->KeyIndex.find(Folded(key));
    return at == s->KeyIndex.end() ? nullptr : &s->Keys[at->second];
}

bool TsMemIniFile::SectionExists(const std::string& section) const {
    return FindSection(section) != nullptr;
}

bool TsMemIniFile::ValueExists(const std::string& section, const std::string& key) const {
    return FindKey(section, key) != nullptr;
}

std::vector<std::string> TsMemIniFile::Sections() const {
    std::vector<std::string> names;
    for (const TSection& s : FSections)
        names.push_back(s.Name);
    return names;
}

std::vector<std::string> TsMemIniFile::SectionKeys(const std::string& section) const {
    std::vector<std::string> names;
    if (const TSection* s = FindSection(section))
        for (const TKey& k : s->Keys)
            names.push_back(k.Name);
    return names;
}

std::string TsMemIniFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& def) const {
    const TKey* k = FindKey(section, key);
    return k ? k->Value : def;
}

bool TsMemIniFile::ParseInteger(const std::string& text, int32_t& value) {
    const std::string s = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int base = 10;
    if (s.compare(i, 2, "0x") == 0 || s.compare(i, 2, "0X") == 0) {
        base = 16;
        i += 2;
    } else if (i < s.size() && s[i] == '$') {
        base = 16;
        i += 1;
    }
    if (i >= s.size()) return false;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        const int d = HexDigit(s[i]);
        if (d < 0 || d >= base) return false;
        v = v * base + d;
        if (v > int64_t{std::numeric_limits<uint32_t>::max()}) return false;
    }
    // Hexadecimal values may name all 32 bits (colours such as $FF00FF00).
    if (base == 16 && !negative) {
        value = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

int32_t TsMemIniFile::ReadInteger(const std::string& section, const std::string& key,
                                  int32_t def) const {
    const TKey* k = FindKey(section, key);
    int32_t v = 0;
    return k && ParseInteger(k->Value, v) ? v : def;
}

bool TsMemIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    const TKey* k = FindKey(section, key);
    return k ? SameText(k->Value, "TRUE") : def;
}

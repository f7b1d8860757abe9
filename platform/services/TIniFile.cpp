#include "platform/services/TIniFile.h"

#include <cstring>

#include "platform/services/ReadWholeFile.h"
#include "platform/services/TextEncoding.h"

namespace {

// What counts as a blank around names and values inside the file.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The caller's section and key names lose spaces only: a tab there is part of the name.
std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Copies text into a caller's buffer, cut at a character boundary to room bytes.
size_t CopyCut(std::string_view text, char* out, size_t room) {
    size_t n = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t next = pos;
        NextCodePoint(text, next);
        if (next > room) break;
        n = pos = next;
    }
    std::memcpy(out, text.data(), n);
    return n;
}

// Names each ended by a NUL, then one more NUL; cut to size - 2 bytes when too long.
uint32_t CopyList(const std::vector<std::string>& items, char* out, uint32_t size) {
    std::string list;
    for (const auto& item : items)
        list.append(item).push_back('\0');
    if (size < 2) {
        out[0] = 0;
        return 0;
    }
    size_t n = list.size();
    if (n + 1 > size)
        n = CopyCut(list, out, size - 2);
    else
        std::memcpy(out, list.data(), n);
    out[n] = 0;
    if (n + 1 < size) out[n + 1] = 0;
    return static_cast<uint32_t>(n);
}

} // namespace

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)) {
    const std::optional<std::string> bytes = ReadWholeFile(FFileName);
    FFileFound = bytes.has_value();
    if (FFileFound) Parse(*bytes);
}

TIniFile TIniFile::FromBytes(std::string_view bytes, std::string fileName) {
    TIniFile ini;
    ini.FFileName = std::move(fileName);
    ini.FFileFound = true;
    ini.Parse(bytes);
    return ini;
}

void TIniFile::Parse(std::string_view bytes) {
    const std::string text = DecodeTextFile(bytes);
    const std::string_view all(text);
    int lineNo = 0;
    for (size_t pos = 0; pos < all.size();) {
        size_t end = all.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = Trim(all.substr(pos, end - pos));
        pos = end + (all.substr(end).starts_with("\r\n") ? 2 : 1);
        ++lineNo;
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[')
            ParseHeader(line, lineNo);
        else
            ParseEntry(line, lineNo);
    }
}

// The name ends at the first ']' of the line; whatever follows it is ignored.
void TIniFile::ParseHeader(std::string_view line, int lineNo) {
    const size_t close = line.find(']');
    if (close == std::string_view::npos) Warn(lineNo, "section header without ']'");
    const std::string_view name =
        line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
    FSections.push_back({std::string(Trim(name)), true, {}});
}

void TIniFile::ParseEntry(std::string_view line, int lineNo) {
    if (FSections.empty()) {
        // Keys above the first header belong to no section: no name, not even "", finds them.
        Warn(lineNo, "key before the first section");
        FSections.push_back({{}, false, {}});
    }
    TProfileEntry entry;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        Warn(lineNo, "line without '='");
        entry.Key = line;
    } else {
        entry.Key = Trim(line.substr(0, eq));
        entry.Value = Unquote(Trim(line.substr(eq + 1)));
        entry.HasValue = true;
    }
    FSections.back().Entries.push_back(std::move(entry));
}

void TIniFile::Warn(int lineNo, const char* what) {
    FWarnings.push_back(FFileName + " line " + std::to_string(lineNo) + ": " + what);
}

// Only the first section of a name counts; later ones of the same name are never searched.
const TProfileSection* TIniFile::FindSection(std::string_view section) const {
    section = TrimSpaces(section);
    for (const auto& s : FSections)
        if (s.HasHeader && Utf8SameText(s.Name, section)) return &s;
    return nullptr;
}

const TProfileEntry* TIniFile::Find(std::string_view section, std::string_view ident) const {
    const TProfileSection* s = FindSection(section);
    if (!s) return nullptr;
    ident = TrimSpaces(ident);
    for (const auto& e : s->Entries)
        if (Utf8SameText(e.Key, ident)) return &e;
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue, size_t maxLength) const {
    const TProfileEntry* e = Find(section, ident);
    std::string_view v = e && e->HasValue ? std::string_view(e->Value) : defaultValue;
    if (!e || !e->HasValue)
        while (!v.empty() && v.back() == ' ')
            v.remove_suffix(1);
    return std::string(Utf8Left(v, maxLength));
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const {
    return Find(section, ident) != nullptr;
}

// Empty names are left out of both lists: in a list of names each ended by a NUL,
// an empty one would read as the list's end.
std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    for (const auto& s : FSections)
        if (s.HasHeader && !s.Name.empty()) names.push_back(s.Name);
    return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const TProfileSection* s = FindSection(section))
        for (const auto& e : s->Entries)
            if (e.HasValue && !e.Key.empty()) keys.push_back(e.Key);
    return keys;
}

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* returned, uint32_t size, const char* fileName) {
    if (!returned || size == 0) return 0;
    const TIniFile ini(fileName ? fileName : "");
    if (!section) return CopyList(ini.ReadSections(), returned, size);
    if (!key) return CopyList(ini.ReadSection(section), returned, size);
    const std::string value =
        ini.ReadString(section, key, defaultValue ? defaultValue : "", MaxProfileCallLength);
    const size_t n = CopyCut(value, returned, size - 1);
    returned[n] = 0;
    return static_cast<uint32_t>(n);
}

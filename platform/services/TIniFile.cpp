#include "platform/services/TIniFile.h"

#include <cstring>

#include "platform/services/ReadWholeFile.h"
#include "platform/services/TextEncoding.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
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
    auto warn = [&](int line, const char* what) {
        FWarnings.push_back(FFileName + " line " + std::to_string(line) + ": " + what);
    };
    int lineNo = 0;
    for (size_t pos = 0; pos < all.size();) {
        size_t end = all.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = Trim(all.substr(pos, end - pos));
        pos = end + (all.substr(end).starts_with("\r\n") ? 2 : 1);
        ++lineNo;
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos) warn(lineNo, "section header without ']'");
            const std::string_view name =
                line.substr(1, close == std::string_view::npos ? line.npos : close - 1);
            FSections.push_back({std::string(Trim(name)), {}});
            continue;
        }
        if (FSections.empty()) {
            warn(lineNo, "key before the first section");
            FSections.push_back({});
        }
        TProfileEntry entry;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            warn(lineNo, "line without '='");
            entry.Key = line;
        } else {
            entry.Key = Trim(line.substr(0, eq));
            entry.Value = Unquote(Trim(line.substr(eq + 1)));
            entry.HasValue = true;
        }
        FSections.back().Entries.push_back(std::move(entry));
    }
}

const TProfileEntry* TIniFile::Find(std::string_view section, std::string_view ident) const {
    section = Trim(section);
    ident = Trim(ident);
    for (const auto& s : FSections) {
        if (!Utf8SameText(s.Name, section)) continue;
        for (const auto& e : s.Entries)
            if (Utf8SameText(e.Key, ident)) return &e;
    }
    return nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view defaultValue) const {
    const TProfileEntry* e = Find(section, ident);
    std::string_view v = e && e->HasValue ? std::string_view(e->Value) : defaultValue;
    if (!e || !e->HasValue)
        while (!v.empty() && IsBlank(v.back()))
            v.remove_suffix(1);
    return std::string(Utf8Left(v, MaxProfileValueLength));
}

bool TIniFile::SectionExists(std::string_view section) const {
    section = Trim(section);
    for (const auto& s : FSections)
        if (Utf8SameText(s.Name, section)) return true;
    return false;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const {
    return Find(section, ident) != nullptr;
}

std::vector<std::string> TIniFile::ReadSections() const {
    std::vector<std::string> names;
    for (const auto& s : FSections) {
        bool seen = false;
        for (const auto& n : names)
            seen = seen || Utf8SameText(n, s.Name);
        if (!seen) names.push_back(s.Name);
    }
    return names;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
    section = Trim(section);
    std::vector<std::string> keys;
    for (const auto& s : FSections) {
        if (!Utf8SameText(s.Name, section)) continue;
        for (const auto& e : s.Entries) {
            bool seen = false;
            for (const auto& k : keys)
                seen = seen || Utf8SameText(k, e.Key);
            if (!seen) keys.push_back(e.Key);
        }
    }
    return keys;
}

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* returned, uint32_t size, const char* fileName) {
    if (!returned || size == 0) return 0;
    const TIniFile ini(fileName ? fileName : "");
    if (!section) return CopyList(ini.ReadSections(), returned, size);
    if (!key) return CopyList(ini.ReadSection(section), returned, size);
    const std::string value = ini.ReadString(section, key, defaultValue ? defaultValue : "");
    const size_t n = CopyCut(value, returned, size - 1);
    returned[n] = 0;
    return static_cast<uint32_t>(n);
}

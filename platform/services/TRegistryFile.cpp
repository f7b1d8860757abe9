// TRegistryFile, the REGEDIT4 store. In order: text helpers (blanks, key
// paths, quoting, hex bytes), the parser's steps, writing helpers, then the
// class: Load and Parse, Text, the lookups and edits, and Save.

#include "platform/services/TRegistryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/services/AtomicFile.h"
#include "platform/services/TextEncoding.h"

namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> PathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const size_t sep = path.find('\\');
        parts.push_back(path.substr(0, sep));
        if (sep == std::string_view::npos) break;
        path.remove_prefix(sep + 1);
    }
    while (!parts.empty() && parts.back().empty())
        parts.pop_back();
    return parts;
}

// True when every part of prefix matches the start of path.
bool PathStartsWith(std::string_view path, std::string_view prefix) {
    const auto a = PathParts(path), b = PathParts(prefix);
    if (b.size() > a.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
        if (!Utf8SameText(a[i], b[i])) return false;
    return true;
}

// A quoted text with \\ and \" escaped; pos is on the opening quote and ends
// after the closing one. Any other backslash stands for itself.
bool ParseQuoted(std::string_view s, size_t& pos, std::string& out) {
    for (size_t i = pos + 1; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) {
            out += s[++i];
        } else if (s[i] == '"') {
            pos = i + 1;
            return true;
        } else {
            out += s[i];
        }
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHexBytes(std::string_view s, std::string& out) {
    s = TrimBlanks(s);
    while (!s.empty()) {
        const size_t comma = s.find(',');
        const std::string_view item = TrimBlanks(s.substr(0, comma));
        if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0) return false;
        out += static_cast<char>(HexDigit(item[0]) * 16 + HexDigit(item[1]));
        if (comma == std::string_view::npos) break;
        s = TrimBlanks(s.substr(comma + 1));
    }
    return true;
}

// Texts inside hex(1), hex(2) and hex(7): UTF-16 in version 5 files, the
// file's own text (UTF-8, else Windows-1252) in REGEDIT4 files.
std::string DecodeHexText(const std::string& bytes, int version) {
    std::string text;
    if (version == 5) {
        text = DecodeTextFile(std::string("\xFF\xFE", 2) + bytes);
    } else {
        text = DecodeTextFile(bytes);
    }
    const size_t nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

// Parse errors name the file and the line.
struct TLineError {
    const std::string& FileName;
    [[noreturn]] void operator()(size_t index, const std::string& what) const {
        throw ERegistryException(FileName + " line " + std::to_string(index + 1) + ": " + what);
    }
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::string_view rest = text; !rest.empty();) {
        const size_t nl = rest.find('\n');
        std::string_view line = rest.substr(0, nl);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        rest.remove_prefix(nl + 1);
    }
    return lines;
}

// The value's name ("name" or @ for the default value) up to the '='; returns
// the data after it.
std::string_view ParseValueName(std::string_view line, std::string& name, size_t i,
                                const TLineError& fail) {
    size_t pos = 1; // after '@', the default value
    if (line.front() == '"') {
        pos = 0;
        if (!ParseQuoted(line, pos, name)) fail(i, "value name without closing quote");
    }
    std::string_view rest = TrimBlanks(line.substr(pos));
    if (!rest.starts_with('=')) fail(i, "'=' expected after the value name");
    return TrimBlanks(rest.substr(1));
}

TRegValueData ParseDword(std::string_view digits, size_t i, const TLineError& fail) {
    if (digits.empty() || digits.size() > 8) fail(i, "dword needs 1 to 8 hex digits");
    uint32_t v = 0;
    for (const char c : digits) {
        if (HexDigit(c) < 0) fail(i, "bad hex digit in dword");
        v = v * 16 + static_cast<uint32_t>(HexDigit(c));
    }
    TRegValueData data;
    data.Type = REG_DWORD;
    for (int b = 0; b < 4; ++b)
        data.Bytes += static_cast<char>((v >> (8 * b)) & 0xFF);
    return data;
}

// The type of hex:, hex(7): and the like; plain hex is binary.
uint32_t ParseHexType(std::string_view kind, size_t i, const TLineError& fail) {
    if (kind.empty()) return REG_BINARY;
    if (kind.size() < 3 || kind.size() > 10 || kind.front() != '(' || kind.back() != ')')
        fail(i, "bad hex value type");
    uint32_t type = 0;
    for (const char c : kind.substr(1, kind.size() - 2)) {
        if (HexDigit(c) < 0) fail(i, "bad hex value type");
        type = type * 16 + static_cast<uint32_t>(HexDigit(c));
    }
    return type;
}

// Hex data may go on over lines that end in a backslash; i moves to the last
// of them and raw collects them as they are.
TRegValueData ParseHexValue(std::string_view rest, const std::vector<std::string_view>& lines,
                            size_t& i, std::string& raw, int version, const TLineError& fail) {
    const size_t first = i;
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos) fail(i, "':' expected after hex");
    TRegValueData value;
    value.Type = ParseHexType(rest.substr(3, colon - 3), i, fail);
    std::string data(rest.substr(colon + 1));
    while (!data.empty() && data.back() == '\\') {
        if (++i == lines.size()) fail(first, "hex data continues past the end of the file");
        data.pop_back();
        data += TrimBlanks(lines[i]);
        raw += '\n';
        raw += lines[i];
    }
    if (!ParseHexBytes(data, value.Bytes)) fail(first, "bad hex byte");
    if (value.Type == REG_SZ || value.Type == REG_EXPAND_SZ)
        value.Bytes = DecodeHexText(value.Bytes, version);
    return value;
}

TRegValueData ParseValueData(std::string_view rest, const std::vector<std::string_view>& lines,
                             size_t& i, std::string& raw, int version, const TLineError& fail) {
    if (rest.starts_with('"')) {
        size_t end = 0;
        TRegValueData value;
        value.Type = REG_SZ;
        if (!ParseQuoted(rest, end, value.Bytes)) fail(i, "text without closing quote");
        if (!TrimBlanks(rest.substr(end)).empty()) fail(i, "text after the closing quote");
        return value;
    }
    if (rest.starts_with("dword:")) return ParseDword(rest.substr(6), i, fail);
    if (rest.starts_with("hex")) return ParseHexValue(rest, lines, i, raw, version, fail);
    if (rest == "-") fail(i, "deleting a value is not supported here");
    fail(i, "unrecognised value data");
}

std::string EncodeHexText(std::string_view utf8, int version) {
    if (version != 5) return std::string(utf8) + '\0';
    std::string out;
    for (size_t pos = 0; pos < utf8.size();) {
        char32_t cp = NextCodePoint(utf8, pos);
        auto unit = [&](char32_t u) {
            out += static_cast<char>(u & 0xFF);
            out += static_cast<char>(u >> 8);
        };
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out + std::string(2, '\0');
}

std::string QuoteName(std::string_view name) {
    if (name.empty()) return "@";
    std::string out = "\"";
    for (const char c : name) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

bool HasControlCharacter(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

std::string HexLines(std::string line, std::string_view bytes) {
    static const char digits[] = "0123456789abcdef";
    size_t lineStart = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (line.size() - lineStart + 3 > 79) {
            lineStart = line.size() + 2;
            line += "\\\n  ";
        }
        const auto b = static_cast<unsigned char>(bytes[i]);
        line += digits[b >> 4];
        line += digits[b & 15];
        if (i + 1 < bytes.size()) line += ',';
    }
    return line;
}

} // namespace

bool SameRegistryPath(std::string_view a, std::string_view b) {
    return PathParts(a).size() == PathParts(b).size() && PathStartsWith(a, b);
}

bool RegistryPathStartsWith(std::string_view path, std::string_view prefix) {
    return PathStartsWith(path, prefix);
}

TRegistryFile TRegistryFile::Load(const std::string& path) {
    std::string bytes;
    const int err = ReadFileBytes(path, bytes);
    if (err == ENOENT) return Parse("", path);
    if (err) throw ERegistryException("Cannot read " + path + ": " + std::strerror(err));
    return Parse(bytes, path);
}

TRegistryFile TRegistryFile::Parse(std::string_view bytes, const std::string& fileName) {
    TRegistryFile f;
    const std::string text = DecodeTextFile(bytes);
    if (text.find("\r\n") != std::string::npos) f.FEol = "\r\n";
    const std::vector<std::string_view> lines = SplitLines(text);
    const TLineError fail{fileName};

    size_t i = 0;
    while (i < lines.size() && TrimBlanks(lines[i]).empty())
        f.FPreamble.emplace_back(lines[i++]);
    if (i == lines.size()) {
        f.FPreamble = {std::string(kHeader4), ""};
        return f;
    }
    const std::string_view header = TrimBlanks(lines[i]);
    if (header == kHeader5)
        f.FVersion = 5;
    else if (header != kHeader4)
        fail(i, "not a registry file (the first line must be REGEDIT4)");
    f.FPreamble.emplace_back(lines[i++]);
    for (; i < lines.size(); ++i)
        f.ParseLine(lines, i, fileName);
    return f;
}

// One line after the header (or a value with its continuation lines, which
// moves i to the last of them): a blank or comment, a key, or a value.
void TRegistryFile::ParseLine(const std::vector<std::string_view>& lines, size_t& i,
                              const std::string& fileName) {
    const TLineError fail{fileName};
    const std::string_view line = TrimBlanks(lines[i]);
    if (line.empty() || line.front() == ';') {
        if (FBlocks.empty())
            FPreamble.emplace_back(lines[i]);
        else
            FBlocks.back().Items.emplace_back().Raw = lines[i];
        return;
    }
    if (line.front() == '[') {
        if (line.back() != ']') fail(i, "key line without ']'");
        if (line.starts_with("[-")) fail(i, "deleting a key is not supported here");
        const std::string_view path = line.substr(1, line.size() - 2);
        if (PathParts(path).empty()) fail(i, "empty key name");
        FBlocks.push_back({std::string(path), std::string(lines[i]), {}});
        return;
    }
    if (line.front() != '"' && line.front() != '@') fail(i, "unrecognised line");
    if (FBlocks.empty()) fail(i, "value before the first key");
    TItem item;
    item.IsValue = true;
    item.Raw = lines[i];
    const std::string_view data = ParseValueName(line, item.Name, i, fail);
    item.Data = ParseValueData(data, lines, i, item.Raw, FVersion, fail);
    FBlocks.back().Items.push_back(std::move(item));
}

std::string TRegistryFile::Text() const {
    std::string out;
    auto put = [&](std::string_view raw) {
        for (const char c : raw) {
            if (c == '\n')
                out += FEol;
            else
                out += c;
        }
        out += FEol;
    };
    for (const auto& line : FPreamble)
        put(line);
    for (const auto& block : FBlocks) {
        put(block.Header);
        for (const auto& item : block.Items)
            put(item.Raw);
    }
    return out;
}

std::string TRegistryFile::FormatValue(std::string_view name, const TRegValueData& data) const {
    const std::string lead = QuoteName(name) + "=";
    if (data.Type == REG_DWORD && data.Bytes.size() == 4) {
        uint32_t v = 0;
        for (int b = 3; b >= 0; --b)
            v = v << 8 | static_cast<unsigned char>(data.Bytes[b]);
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", v);
        return lead + "dword:" + digits;
    }
    if (data.Type == REG_SZ && !HasControlCharacter(data.Bytes)) {
        std::string out = lead + "\"";
        for (const char c : data.Bytes) {
            if (c == '\\' || c == '"') out += '\\';
            out += c;
        }
        return out + '"';
    }
    const bool text = data.Type == REG_SZ || data.Type == REG_EXPAND_SZ;
    const std::string bytes = text ? EncodeHexText(data.Bytes, FVersion) : data.Bytes;
    char kind[16] = "hex";
    if (data.Type != REG_BINARY) std::snprintf(kind, sizeof kind, "hex(%x)", data.Type);
    return HexLines(lead + kind + ":", bytes);
}

bool TRegistryFile::KeyExists(std::string_view keyPath) const {
    for (const auto& b : FBlocks)
        if (PathStartsWith(b.Path, keyPath)) return true;
    return false;
}

bool TRegistryFile::AddKey(std::string_view keyPath) {
    const std::string validKey = ToValidUtf8(keyPath);
    keyPath = validKey;
    if (PathParts(keyPath).empty() || keyPath.starts_with('-') || HasControlCharacter(keyPath))
        throw ERegistryException("The key name \"" + validKey + "\" cannot be stored.");
    for (const auto& b : FBlocks)
        if (SameRegistryPath(b.Path, keyPath)) return false;
    auto parts = PathParts(keyPath);
    std::string path;
    for (const auto& p : parts)
        path.append(path.empty() ? "" : "\\").append(p);
    // A blank line between keys, as the registry editor writes them.
    const std::string* last =
        FBlocks.empty() ? &FPreamble.back()
                        : (FBlocks.back().Items.empty() ? &FBlocks.back().Header
                                                        : &FBlocks.back().Items.back().Raw);
    if (!TrimBlanks(*last).empty()) {
        if (FBlocks.empty())
            FPreamble.emplace_back();
        else
            FBlocks.back().Items.push_back({});
    }
    FBlocks.push_back({path, "[" + path + "]", {TItem{}}});
    return true;
}

TRegistryFile::TItem* TRegistryFile::FindItem(std::string_view keyPath, std::string_view name) {
    TItem* found = nullptr;
    for (auto& b : FBlocks) {
        if (!SameRegistryPath(b.Path, keyPath)) continue;
        for (auto& item : b.Items)
            if (item.IsValue && Utf8SameText(item.Name, name)) found = &item;
    }
    return found;
}

const TRegValueData* TRegistryFile::FindValue(std::string_view keyPath,
                                              std::string_view name) const {
    const TItem* item = const_cast<TRegistryFile*>(this)->FindItem(keyPath, name);
    return item ? &item->Data : nullptr;
}

void TRegistryFile::SetValue(std::string_view keyPath, std::string_view name,
                             const TRegValueData& value) {
    // One stray byte would make the whole file read as Windows-1252 next time.
    TRegValueData data = value;
    if (data.Type == REG_SZ || data.Type == REG_EXPAND_SZ) data.Bytes = ToValidUtf8(data.Bytes);
    const std::string validName = ToValidUtf8(name), validKey = ToValidUtf8(keyPath);
    name = validName;
    keyPath = validKey;
    if (HasControlCharacter(name))
        throw ERegistryException("The value name \"" + validName + "\" cannot be stored.");
    if (TItem* item = FindItem(keyPath, name)) {
        item->Raw = FormatValue(item->Name, data);
        item->Data = data;
        return;
    }
    AddKey(keyPath);
    TBlock* block = nullptr;
    for (auto& b : FBlocks)
        if (SameRegistryPath(b.Path, keyPath)) block = &b;
    // After the key's last value, before the blank line that ends the key.
    size_t at = 0;
    for (size_t k = 0; k < block->Items.size(); ++k)
        if (block->Items[k].IsValue) at = k + 1;
    TItem item{FormatValue(name, data), true, std::string(name), data};
    block->Items.insert(block->Items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
}

void TRegistryFile::Save(const std::string& path) const {
    if (std::string error = ReplaceFileAtomically(path, Text()); !error.empty())
        throw ERegistryException(error);
}

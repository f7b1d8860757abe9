// TWineRegistryFile, a prefix's user.reg. In order: line and path helpers,
// reading one value's lines, then the class: Load and Parse, the check of
// every line, the lookups, and the edits with their time stamps.

#include "platform/services/TWineRegistryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/services/AtomicFile.h"
#include "platform/services/TextEncoding.h"
#include "platform/services/WineRegText.h"

namespace {

constexpr std::string_view kHeader = "WINE REGISTRY Version 2";
constexpr std::string_view kTimeOption = "#time=";
constexpr std::string_view kKeySeparator = "\\\\"; // the file doubles the backslash
constexpr uint64_t kSecondsFrom1601To1970 = 11644473600ULL;
constexpr uint64_t kFileTimeUnitsPerSecond = 10000000ULL;

struct TLine {
    size_t Begin = 0;
    size_t ContentEnd = 0; // before the line end (\n or \r\n)
    size_t Next = 0;       // the next line
};

TLine LineAt(std::string_view text, size_t pos) {
    const size_t nl = text.find('\n', pos);
    TLine line{pos, nl == std::string_view::npos ? text.size() : nl, 0};
    line.Next = nl == std::string_view::npos ? text.size() : nl + 1;
    if (line.ContentEnd > pos && text[line.ContentEnd - 1] == '\r') --line.ContentEnd;
    return line;
}

// The line without its line end and leading blanks.
std::string_view TrimLeft(std::string_view s) {
    size_t first = 0;
    while (first < s.size() && (s[first] == ' ' || s[first] == '\t'))
        ++first;
    return s.substr(first);
}

std::string_view Content(std::string_view text, const TLine& line) {
    return TrimLeft(text.substr(line.Begin, line.ContentEnd - line.Begin));
}

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string_view WithoutTrailingSeparators(std::string_view path) {
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

bool IsAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// path is prefix or lies below it. Plain ASCII paths, nearly all of a real
// file, are compared here; the rest by the store's rule for any text.
bool PathWithin(std::string_view path, bool pathAscii, std::string_view prefix, bool prefixAscii,
                bool exact) {
    if (!pathAscii || !prefixAscii)
        return exact ? SameRegistryPath(path, prefix) : RegistryPathStartsWith(path, prefix);
    path = WithoutTrailingSeparators(path);
    prefix = WithoutTrailingSeparators(prefix);
    if (path.size() < prefix.size() || (exact && path.size() != prefix.size())) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (LowerAscii(path[i]) != LowerAscii(prefix[i])) return false;
    return prefix.empty() || path.size() == prefix.size() || path[prefix.size()] == '\\';
}

// The key name of a key line from after the '[' to the ']' unescaped; pos
// moves past the ']'. Most names are plain ASCII with only the doubled
// separators, and are copied without a round trip through UTF-16.
bool ParseKeyPath(std::string_view content, size_t& pos, std::string& path) {
    const size_t close = content.find(']', pos);
    bool plain = close != std::string_view::npos;
    for (size_t i = pos; plain && i < close; ++i) {
        const auto c = static_cast<unsigned char>(content[i]);
        if (c >= 0x80 || c == '[' || (c == '\\' && content[++i] != '\\')) plain = false;
    }
    if (plain) {
        for (size_t i = pos; i < close; ++i)
            if (content[i] != '\\' || content[++i] == '\\') path += content[i];
        pos = close + 1;
        return true;
    }
    std::u16string units;
    if (!ParseWineString(content, pos, ']', &units)) return false;
    path = Utf16ToUtf8(units);
    return true;
}

std::string FileTimeHex(int64_t unixSeconds) {
    const uint64_t t =
        (static_cast<uint64_t>(unixSeconds) + kSecondsFrom1601To1970) * kFileTimeUnitsPerSecond;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%x%08x", static_cast<unsigned>(t >> 32),
                  static_cast<unsigned>(t & 0xFFFFFFFFU));
    return buf;
}

std::string EscapedKeyPath(std::string_view path) {
    std::string out;
    for (size_t start = 0; start <= path.size();) {
        const size_t sep = std::min(path.find('\\', start), path.size());
        if (!out.empty()) out += kKeySeparator;
        out += EscapeWineString(Utf8ToUtf16(path.substr(start, sep - start)), "[]");
        start = sep + 1;
    }
    return out;
}

// Paths as the caller's key names come: UTF-8 made valid, trailing
// backslashes dropped, no empty parts.
std::string ValidKeyPath(std::string_view keyPath) {
    const std::string valid = ToValidUtf8(WithoutTrailingSeparators(keyPath));
    if (valid.empty() || valid.find("\\\\") != std::string::npos || valid.front() == '\\')
        throw ERegistryException("The key name \"" + valid + "\" cannot be stored.");
    return valid;
}

// One value: its name, its data (hex data that goes on over lines ending in
// a backslash joined into one), and where its lines end.
struct TValueLines {
    size_t Next = 0;
    size_t Lines = 1;
    std::u16string Name;
    std::string_view Data;
    std::string Joined;
};

// Empty when the value starting at line parses, else what is wrong.
std::string ReadValueLines(std::string_view text, const TLine& line, bool wantName,
                           TValueLines& v) {
    const std::string_view content = Content(text, line);
    size_t pos = 1;
    if (content.front() == '"' && !ParseWineString(content, pos, '"', wantName ? &v.Name : nullptr))
        return "value name without closing quote";
    const std::string_view rest = TrimLeft(content.substr(pos));
    if (!rest.starts_with('=')) return "'=' expected after the name";
    v.Data = TrimRight(TrimLeft(rest.substr(1)));
    v.Next = line.Next;
    if (v.Data.starts_with("hex")) {
        while (v.Data.ends_with('\\')) {
            if (v.Next >= text.size()) return "hex data goes on past the end of the file";
            const TLine more = LineAt(text, v.Next);
            if (v.Joined.empty()) v.Joined = v.Data;
            v.Joined.pop_back();
            v.Joined += TrimRight(Content(text, more));
            v.Data = v.Joined;
            v.Next = more.Next;
            ++v.Lines;
        }
    }
    return ParseWineValueData(v.Data, nullptr);
}

} // namespace

TWineRegistryFile TWineRegistryFile::Load(const std::string& path) {
    std::string bytes;
    if (const int err = ReadFileBytes(path, bytes))
        throw ERegistryException("Cannot read " + path + ": " + std::strerror(err));
    return Parse(std::move(bytes), path);
}

TWineRegistryFile TWineRegistryFile::Parse(std::string bytes, std::string fileName) {
    TWineRegistryFile f;
    f.FText = std::move(bytes);
    f.FFileName = std::move(fileName);
    const size_t nl = f.FText.find('\n');
    if (nl != std::string::npos && nl > 0 && f.FText[nl - 1] == '\r') f.FEol = "\r\n";
    f.ParseLines();
    return f;
}

void TWineRegistryFile::Fail(size_t lineNo, const std::string& what) const {
    throw ERegistryException(FFileName + " line " + std::to_string(lineNo + 1) + ": " + what);
}

// A key line: the key's name, then its time stamp.
void TWineRegistryFile::AddBlock(std::string_view content, size_t begin, size_t body,
                                 size_t lineNo) {
    size_t close = 1;
    std::string path;
    if (!ParseKeyPath(content, close, path)) Fail(lineNo, "key line without ']'");
    const std::string_view stamp = TrimRight(content.substr(close));
    if (stamp.find_first_not_of(" \t0123456789") != std::string_view::npos)
        Fail(lineNo, "a key's time stamp must be a number");
    if (path.empty()) Fail(lineNo, "empty key name");
    if (!FBlocks.empty()) FBlocks.back().End = begin;
    const bool ascii = IsAscii(path);
    FBlocks.push_back({std::move(path), ascii, begin, body, body, FText.size()});
}

// Checks every line and notes where each key's lines lie.
void TWineRegistryFile::ParseLines() {
    FBlocks.clear();
    FTimeLines = false;
    const std::string_view text = FText;
    const TLine first = LineAt(text, 0);
    if (TrimRight(Content(text, first)) != kHeader)
        Fail(0, std::string("not a Wine registry file (the first line must be \"")
                    .append(kHeader)
                    .append("\")"));
    size_t lineNo = 1;
    for (size_t pos = first.Next; pos < text.size();) {
        const TLine line = LineAt(text, pos);
        const std::string_view content = Content(text, line);
        size_t next = line.Next, lines = 1;
        if (content.starts_with('#')) {
            if (content.starts_with(kTimeOption)) FTimeLines = true;
            if (!FBlocks.empty()) FBlocks.back().Tail = line.Next;
        } else if (content.starts_with('[')) {
            AddBlock(content, pos, line.Next, lineNo);
        } else if (content.starts_with('"') || content.starts_with('@')) {
            if (FBlocks.empty()) Fail(lineNo, "value before the first key");
            TValueLines v;
            if (const std::string error = ReadValueLines(text, line, false, v); !error.empty())
                Fail(lineNo, error);
            next = v.Next;
            lines = v.Lines;
            FBlocks.back().Tail = next;
        } else if (!content.empty() && content.front() != ';') { // blanks and comments pass
            Fail(lineNo, "unrecognised line");
        }
        pos = next;
        lineNo += lines;
    }
}

void TWineRegistryFile::Save(const std::string& path) const {
    if (std::string error = ReplaceFileAtomically(path, FText); !error.empty())
        throw ERegistryException(error);
}

bool TWineRegistryFile::KeyExists(std::string_view keyPath) const {
    const bool ascii = IsAscii(keyPath);
    for (const auto& b : FBlocks)
        if (PathWithin(b.Path, b.Ascii, keyPath, ascii, false)) return true;
    return false;
}

const TWineRegistryFile::TBlock* TWineRegistryFile::LastBlock(std::string_view keyPath) const {
    const bool ascii = IsAscii(keyPath);
    for (auto b = FBlocks.rbegin(); b != FBlocks.rend(); ++b)
        if (PathWithin(b->Path, b->Ascii, keyPath, ascii, true)) return &*b;
    return nullptr;
}

std::optional<TWineRegistryFile::TValueAt>
TWineRegistryFile::FindValueLines(const TBlock& block, std::string_view name) const {
    const std::string_view text = FText;
    std::optional<TValueAt> found;
    for (size_t pos = block.Body; pos < block.End;) {
        const TLine line = LineAt(text, pos);
        const std::string_view content = Content(text, line);
        if (content.empty() || (content.front() != '"' && content.front() != '@')) {
            pos = line.Next;
            continue;
        }
        TValueLines v;
        ReadValueLines(text, line, true, v); // checked when parsed
        if (Utf8SameText(Utf16ToUtf8(v.Name), name)) found = TValueAt{pos, v.Next};
        pos = v.Next;
    }
    return found;
}

std::optional<TRegValueData> TWineRegistryFile::FindValue(std::string_view keyPath,
                                                          std::string_view name) const {
    const bool ascii = IsAscii(keyPath);
    for (auto b = FBlocks.rbegin(); b != FBlocks.rend(); ++b) {
        if (!PathWithin(b->Path, b->Ascii, keyPath, ascii, true)) continue;
        const std::optional<TValueAt> at = FindValueLines(*b, name);
        if (!at) continue;
        TValueLines v;
        ReadValueLines(FText, LineAt(FText, at->Begin), false, v);
        TRegValueData data;
        ParseWineValueData(v.Data, &data);
        return data;
    }
    return std::nullopt;
}

void TWineRegistryFile::Splice(size_t begin, size_t end, std::string_view with) {
    FText.replace(begin, end - begin, with);
}

// A key line (and #time line, when the file's keys have them) at the end.
void TWineRegistryFile::AppendBlock(const std::string& keyPath, int64_t now) {
    // Wine puts a blank line before every key.
    std::string block = FText.ends_with('\n') ? FEol : FEol + FEol;
    block.append("[").append(EscapedKeyPath(keyPath)).append("] ");
    block.append(std::to_string(now)).append(FEol);
    if (FTimeLines) block += std::string(kTimeOption) + FileTimeHex(now) + FEol;
    FText += block;
    ParseLines();
}

bool TWineRegistryFile::AddKey(std::string_view keyPath, int64_t now) {
    const std::string valid = ValidKeyPath(keyPath);
    if (KeyExists(valid)) return false;
    AppendBlock(valid, now);
    return true;
}

// The key line's number and the #time line (when there is one) say now.
void TWineRegistryFile::StampKey(size_t blockIndex, int64_t now) {
    const std::string_view text = FText;
    const TBlock& block = FBlocks[blockIndex];
    for (size_t pos = block.Body; pos < block.End;) {
        const TLine line = LineAt(text, pos);
        const std::string_view content = Content(text, line);
        if (content.starts_with(kTimeOption)) {
            const size_t at = static_cast<size_t>(content.data() - text.data());
            Splice(at, line.ContentEnd, std::string(kTimeOption) + FileTimeHex(now));
            break;
        }
        pos = line.Next;
    }
    const TLine keyLine = LineAt(FText, block.Begin);
    const std::string_view content = Content(FText, keyLine);
    size_t close = 1;
    ParseWineString(content, close, ']', nullptr);
    const size_t at = static_cast<size_t>(content.data() - FText.data()) + close;
    Splice(at, keyLine.ContentEnd, std::string(" ").append(std::to_string(now)));
    ParseLines();
}

void TWineRegistryFile::SetValue(std::string_view keyPath, std::string_view name,
                                 const TRegValueData& value, int64_t now) {
    TRegValueData data = value;
    if (data.Type == REG_SZ || data.Type == REG_EXPAND_SZ) data.Bytes = ToValidUtf8(data.Bytes);
    const std::string validName = ToValidUtf8(name), validKey = ValidKeyPath(keyPath);
    keyPath = validKey;
    // A key present only as the parent of others has no lines of its own yet.
    if (!LastBlock(keyPath)) AppendBlock(validKey, now);
    // The block that holds the value's last definition, else the key's last block.
    const bool ascii = IsAscii(keyPath);
    size_t index = FBlocks.size();
    std::optional<TValueAt> at;
    for (size_t i = FBlocks.size(); i-- > 0 && !at;) {
        if (!PathWithin(FBlocks[i].Path, FBlocks[i].Ascii, keyPath, ascii, true)) continue;
        if (index == FBlocks.size()) index = i;
        if ((at = FindValueLines(FBlocks[i], validName))) index = i;
    }
    std::string line = FormatWineValue(validName, data, FEol) + FEol;
    if (at) {
        Splice(at->Begin, at->End, line);
    } else {
        const size_t tail = FBlocks[index].Tail;
        if (tail > 0 && FText[tail - 1] != '\n') line.insert(0, FEol);
        Splice(tail, tail, line);
    }
    ParseLines();
    StampKey(index, now);
}

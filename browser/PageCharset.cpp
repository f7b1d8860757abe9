#include "browser/PageCharset.h"

#include <algorithm>
#include <cctype>

#include "platform/services/TextEncoding.h"

namespace {

// How far into the page a meta element is looked for, as browsers do.
constexpr size_t kMetaScanBytes = 4096;

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// The value after "charset=" at pos: quoted or up to a delimiter.
std::string ValueAt(std::string_view s, size_t pos) {
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '"' || s[pos] == '\''))
        ++pos;
    size_t end = pos;
    while (end < s.size() && (std::isalnum(static_cast<unsigned char>(s[end])) || s[end] == '-' ||
                              s[end] == '_' || s[end] == '.' || s[end] == ':'))
        ++end;
    return Lower(s.substr(pos, end - pos));
}

std::string FindCharset(std::string_view lowered) {
    const size_t at = lowered.find("charset");
    if (at == std::string_view::npos) return {};
    size_t pos = at + 7;
    while (pos < lowered.size() && lowered[pos] == ' ')
        ++pos;
    if (pos >= lowered.size() || lowered[pos] != '=') return {};
    return ValueAt(lowered, pos + 1);
}

bool IsUtf8Label(const std::string& label) {
    return label == "utf-8" || label == "utf8" || label == "unicode-1-1-utf-8";
}

} // namespace

std::string CharsetFromContentType(std::string_view contentType) {
    return FindCharset(Lower(contentType));
}

std::string CharsetFromMeta(std::string_view page) {
    const std::string head = Lower(page.substr(0, std::min(page.size(), kMetaScanBytes)));
    for (size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 5)) {
        const size_t end = head.find('>', at);
        const std::string label = FindCharset(
            std::string_view(head).substr(at, end == std::string::npos ? end : end - at));
        if (!label.empty()) return label;
    }
    return {};
}

std::string PageToUtf8(std::string_view page, std::string_view contentType) {
    const bool utf8Bom = page.substr(0, 3) == "\xEF\xBB\xBF";
    const bool utf16Bom = page.substr(0, 2) == "\xFF\xFE" || page.substr(0, 2) == "\xFE\xFF";
    if (utf8Bom || utf16Bom) return DecodeTextFile(page);
    std::string label = CharsetFromContentType(contentType);
    if (label.empty()) label = CharsetFromMeta(page);
    // A page that says UTF-8 but is not gets its stray bytes read as the
    // authors' code page rather than refused.
    if (IsUtf8Label(label)) return ToValidUtf8(page);
    return Windows1252ToUtf8(page);
}

#include "browser/LegacyBodyStyle.h"

#include <cctype>
#include <map>

namespace {

// How far into the page the body element is looked for.
constexpr size_t kBodyScanBytes = 65536;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool SafeColor(const std::string& value) {
    if (value.empty() || value.size() > 32) return false;
    for (char c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '#') return false;
    return true;
}

// The attributes of the tag that starts at pos (after its name), lower-case names.
std::map<std::string, std::string> Attributes(const std::string& s, size_t pos) {
    std::map<std::string, std::string> out;
    while (pos < s.size() && s[pos] != '>') {
        while (pos < s.size() &&
               (std::isspace(static_cast<unsigned char>(s[pos])) || s[pos] == '/'))
            ++pos;
        const size_t nameStart = pos;
        while (pos < s.size() &&
               (std::isalnum(static_cast<unsigned char>(s[pos])) || s[pos] == '-'))
            ++pos;
        const std::string name = s.substr(nameStart, pos - nameStart);
        if (name.empty()) {
            if (pos < s.size() && s[pos] != '>') ++pos;
            continue;
        }
        std::string value;
        if (pos < s.size() && s[pos] == '=') {
            ++pos;
            const char quote = pos < s.size() && (s[pos] == '"' || s[pos] == '\'') ? s[pos++] : 0;
            const size_t valueStart = pos;
            while (pos < s.size() &&
                   (quote ? s[pos] != quote
                          : !std::isspace(static_cast<unsigned char>(s[pos])) && s[pos] != '>'))
                ++pos;
            value = s.substr(valueStart, pos - valueStart);
            if (quote && pos < s.size()) ++pos;
        }
        out.emplace(name, value);
    }
    return out;
}

} // namespace

std::string LegacyBodyStyle(std::string_view html) {
    const std::string head = Lower(html.substr(0, std::min(html.size(), kBodyScanBytes)));
    size_t at = head.find("<body");
    while (at != std::string::npos && at + 5 < head.size() &&
           std::isalnum(static_cast<unsigned char>(head[at + 5])))
        at = head.find("<body", at + 5);
    if (at == std::string::npos) return {};
    const auto attributes = Attributes(head, at + 5);
    std::string css;
    auto rule = [&](const char* attribute, const char* selector, const char* property) {
        auto it = attributes.find(attribute);
        if (it != attributes.end() && SafeColor(it->second))
            css += std::string(selector) + " { " + property + ": " + it->second + " }\n";
    };
    rule("bgcolor", "body", "background-color");
    rule("text", "body", "color");
    rule("link", "a[href]", "color");
    return css.empty() ? std::string() : "<style>\n" + css + "</style>\n";
}

#include "browser/PageFonts.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "framework/graphics/TFontEngine.h"

namespace {

struct TFamilyAlias {
    const char* Name; // lower case
    std::vector<const char*> Families;
};

// Tried in order; the last of each list is a family every machine with
// fontconfig has.
const TFamilyAlias kAliases[] = {
    {"serif", {"Nimbus Roman", "DejaVu Serif"}},
    {"times new roman", {"Nimbus Roman", "DejaVu Serif"}},
    {"times", {"Nimbus Roman", "DejaVu Serif"}},
    {"georgia", {"DejaVu Serif"}},
    {"sans-serif", {"DejaVu Sans"}},
    {"arial", {"Nimbus Sans", "DejaVu Sans"}},
    {"helvetica", {"Nimbus Sans", "DejaVu Sans"}},
    {"verdana", {"DejaVu Sans"}},
    {"trebuchet ms", {"DejaVu Sans"}},
    {"monospace", {"DejaVu Sans Mono"}},
    {"courier new", {"Nimbus Mono PS", "DejaVu Sans Mono"}},
    {"courier", {"Nimbus Mono PS", "DejaVu Sans Mono"}},
};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Unquoted(const std::string& name) {
    const size_t first = name.find_first_not_of(" \t\"'");
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(" \t\"'") - first + 1);
}

bool Installed(const std::string& family) {
    return TFontEngine::Instance().IsInstalled(family);
}

std::string FamilyOf(const std::string& name) {
    const std::string key = Lower(name);
    for (const TFamilyAlias& alias : kAliases)
        if (key == alias.Name) {
            for (const char* family : alias.Families)
                if (Installed(family)) return family;
            return {};
        }
    return Installed(name) ? name : std::string();
}

} // namespace

const char* DefaultPageFamily() {
    return "Times New Roman";
}

std::string PageFontFamily(const std::string& faceList) {
    static std::map<std::string, std::string> known;
    auto it = known.find(faceList);
    if (it != known.end()) return it->second;
    std::string found;
    size_t start = 0;
    while (found.empty() && start <= faceList.size()) {
        size_t comma = faceList.find(',', start);
        if (comma == std::string::npos) comma = faceList.size();
        const std::string name = Unquoted(faceList.substr(start, comma - start));
        if (!name.empty()) found = FamilyOf(name);
        start = comma + 1;
    }
    if (found.empty()) found = FamilyOf(DefaultPageFamily());
    if (found.empty()) found = "DejaVu Serif";
    known[faceList] = found;
    return found;
}

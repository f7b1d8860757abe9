#include "skin/folder/SkinFolderFiles.h"

#include <algorithm>
#include <filesystem>

#include "skin/SkinState.h"

namespace fs = std::filesystem;

namespace {

bool IsFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// The entry of Dir whose name equals Part without regard to case: the exact
// name first, so a folder with both "a.bmp" and "A.BMP" keeps its own choice.
std::optional<fs::path> FindEntry(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    if (part == "." || part == "..") return dir / part;
    if (fs::exists(dir / part, ec)) return dir / part;
    const std::string wanted = UpperSkinName(part);
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (UpperSkinName(e.path().filename().string()) == wanted) return e.path();
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindSkinFile(const std::string& folder, const std::string& name) {
    if (name.empty()) return std::nullopt;
    if (name.find(':') != std::string::npos)
        return IsFile(name) ? std::optional<std::string>(name) : std::nullopt;
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    fs::path at = folder.empty() ? fs::path(".") : fs::path(folder);
    size_t i = 0;
    while (i <= relative.size()) {
        const size_t end = std::min(relative.find('/', i), relative.size());
        const std::string part = relative.substr(i, end - i);
        i = end + 1;
        if (part.empty()) continue;
        std::optional<fs::path> next = FindEntry(at, part);
        if (!next) return std::nullopt;
        at = *next;
    }
    return IsFile(at) ? std::optional<std::string>(at.string()) : std::nullopt;
}

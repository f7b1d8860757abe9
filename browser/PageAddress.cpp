#include "browser/PageAddress.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace {

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::string SchemeOf(const std::string& s) {
    const size_t colon = s.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(s[0])))
        return {};
    for (size_t i = 1; i < colon; ++i) {
        const char c = s[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return {};
    }
    std::string scheme = s.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return scheme;
}

namespace {

// A path as the path of a file: URL: every byte but the unreserved ones and
// the slashes percent-encoded.
std::string FileUrl(const std::filesystem::path& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out = "file://";
    for (unsigned char c : path.lexically_normal().generic_string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

// The path with its "." and ".." segments resolved; the query and fragment
// after it are kept as they are.
std::string WithoutDots(const std::string& pathAndRest) {
    const size_t end = pathAndRest.find_first_of("?#");
    const std::string path = pathAndRest.substr(0, end);
    std::vector<std::string> segments;
    size_t start = 1;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        const std::string segment = path.substr(start, slash - start);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
            if (slash == path.size()) segments.push_back("");
        } else if (segment == ".") {
            if (slash == path.size()) segments.push_back("");
        } else {
            segments.push_back(segment);
        }
        start = slash + 1;
    }
    std::string out;
    for (const std::string& s : segments) {
        out += '/';
        out += s;
    }
    if (out.empty()) out.push_back('/');
    return out + (end == std::string::npos ? "" : pathAndRest.substr(end));
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

TPageAddress ResolvePageAddress(const std::string& given, const std::string& gameFolder) {
    TPageAddress a;
    const std::string text = Trim(given);
    if (text.empty()) return a;
    a.Scheme = SchemeOf(text);
    if (a.Scheme == "http" || a.Scheme == "https") {
        a.Kind = TAddressKind::akWeb;
        a.Url = text;
    } else if (a.Scheme == "file") {
        a.Kind = TAddressKind::akFile;
        a.Url = text;
    } else if (!a.Scheme.empty()) {
        a.Kind = TAddressKind::akRefused;
        a.Url = text;
    } else {
        // Folders written the Windows way still name the same files here.
        std::string path = text;
        std::replace(path.begin(), path.end(), '\\', '/');
        std::filesystem::path p(path);
        if (p.is_relative()) p = std::filesystem::path(gameFolder) / p;
        a.Kind = TAddressKind::akFile;
        a.Scheme = "file";
        a.Url = FileUrl(p);
    }
    return a;
}

std::string JoinAddress(const std::string& base, const std::string& reference) {
    const std::string ref = Trim(reference);
    if (base.empty() || !SchemeOf(ref).empty()) return ref;
    const std::string scheme = SchemeOf(base);
    // Everything before the base's path: "http://host" or "file://".
    size_t pathStart = scheme.size() + 1;
    if (base.compare(pathStart, 2, "//") == 0) pathStart = base.find('/', pathStart + 2);
    if (pathStart == std::string::npos) pathStart = base.size();
    const std::string origin = base.substr(0, pathStart);
    const std::string page = WithoutFragment(base);
    if (ref.empty()) return page;
    if (ref[0] == '#') return page + ref;
    if (ref.compare(0, 2, "//") == 0) return scheme + ":" + ref;
    const std::string basePath = page.substr(pathStart, page.find('?', pathStart) - pathStart);
    if (ref[0] == '?') return origin + basePath + ref;
    if (ref[0] == '/') return origin + WithoutDots(ref);
    const size_t slash = basePath.rfind('/');
    const std::string folder = slash == std::string::npos ? "/" : basePath.substr(0, slash + 1);
    return origin + WithoutDots(folder + ref);
}

std::string WithoutFragment(const std::string& url) {
    return url.substr(0, url.find('#'));
}

std::string FilePathOf(const std::string& url) {
    if (SchemeOf(url) != "file") return {};
    std::string rest = url.substr(url.find(':') + 1);
    if (rest.compare(0, 2, "//") == 0) {
        const size_t slash = rest.find('/', 2);
        const std::string host = rest.substr(2, slash == std::string::npos ? slash : slash - 2);
        if (!host.empty() && host != "localhost") return {};
        rest = slash == std::string::npos ? std::string("/") : rest.substr(slash);
    }
    rest = WithoutFragment(rest);
    std::string path;
    for (size_t i = 0; i < rest.size(); ++i) {
        const int hi = i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
        const int lo = hi >= 0 ? HexValue(rest[i + 2]) : -1;
        if (rest[i] == '%' && lo >= 0) {
            path += static_cast<char>(hi * 16 + lo);
            i += 2;
        } else {
            path += rest[i];
        }
    }
    return path;
}

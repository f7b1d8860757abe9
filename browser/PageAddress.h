#pragma once
// What the pane accepts as a page's address, turned into a URL the fetcher
// takes: http: and https: addresses as given, file: URLs, absolute paths, and
// paths relative to the game's folder (the launcher's working folder), such as
// "news/index.html". Every other scheme is refused.

#include <string>

enum class TAddressKind { akEmpty, akWeb, akFile, akRefused };

struct TPageAddress {
    TAddressKind Kind = TAddressKind::akEmpty;
    std::string Url;    // the URL to fetch; the text given when refused
    std::string Scheme; // lower case; the refused scheme for akRefused
};

TPageAddress ResolvePageAddress(const std::string& given, const std::string& gameFolder);

// A link or picture reference resolved against the page's address.
std::string JoinAddress(const std::string& base, const std::string& reference);

// The address without its "#fragment".
std::string WithoutFragment(const std::string& url);

// The local path of a file: URL, percent-escapes decoded; empty for any
// other address.
std::string FilePathOf(const std::string& url);

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

// The scheme before the first colon, in lower case; empty for a path. One
// letter before the colon is a Windows drive, not a scheme.
std::string SchemeOf(const std::string& address);

// The local path of a file: URL, percent-escapes decoded; empty for any
// other address.
std::string FilePathOf(const std::string& url);

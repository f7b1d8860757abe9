#pragma once
// The text of a page as UTF-8. The encoding is the one the server names in
// its Content-Type, else the one the page names in a meta element, else
// Windows-1252, which is what the authors of these pages wrote in. A byte
// order mark overrides them all.

#include <string>
#include <string_view>

// The charset parameter of a Content-Type value, lower case; empty when absent.
std::string CharsetFromContentType(std::string_view contentType);
// The charset a meta element near the top of the page declares, lower case.
std::string CharsetFromMeta(std::string_view page);
std::string PageToUtf8(std::string_view page, std::string_view contentType);

#pragma once
// The colours old pages give as attributes of their body element (bgcolor,
// text, link), which the layout engine does not read, as a stylesheet to put
// before the page. Only colour names and #hex values pass, so an attribute
// cannot smuggle other rules in.

#include <string>
#include <string_view>

// A <style> element, or the empty text when the body sets none of them.
std::string LegacyBodyStyle(std::string_view html);

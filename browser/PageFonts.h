#pragma once
// Which installed family draws a page's font-family list: the first name of
// the list fontconfig finds as itself. The generic families and the common
// Windows families that are not installed are named by a family that is
// (a family of the same kind), so a page looks as its author meant wherever
// that can be had.

#include <string>

// The family for a CSS font-family value; never empty.
std::string PageFontFamily(const std::string& faceList);
// The family of text with no font-family of its own.
const char* DefaultPageFamily();

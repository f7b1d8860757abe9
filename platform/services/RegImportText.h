#pragma once
// A file for Windows' own registry import ("reg import", regedit), which is
// how the launcher writes through Wine while Wine holds the registry:
// "Windows Registry Editor Version 5.00", one key of the current user and its
// values in the order given, in UTF-16LE with a byte-order mark, so that
// non-ASCII text arrives whatever the locale Wine runs under (a command-line
// argument would go through the locale's character set).
//
// A text is written "quoted" with \\ and \" escaped; a text with control
// characters (which the importer would not take inside quotes) is written
// hex(1): as its UTF-16 units and the final NUL, which is the same REG_SZ.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/services/TRegistryFile.h"

using TRegNamedValue = std::pair<std::string, TRegValueData>;

// keyPath is relative to HKEY_CURRENT_USER. Returns the file's bytes.
std::string RegImportText(std::string_view keyPath, const std::vector<TRegNamedValue>& values);

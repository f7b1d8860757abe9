#pragma once
// Writes stored skins as the InternalSkins property of a form definition, the
// way the reader takes them back: every property of every item in streaming
// order (an empty ParentClass is left out), pictures as BMP or JPEG bytes.

#include <string>

class TsStoredSkins;

// "InternalSkins = <" ... ">" with each line prefixed by indent.
std::string WriteInternalSkins(const TsStoredSkins& skins, const std::string& indent);

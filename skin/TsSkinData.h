#pragma once
// The process-wide facts about the loaded skin that are not sections, masks or
// patterns: who loads skins, where an external skin came from, and whether the
// skin is ready to be painted with.

#include <memory>
#include <string>

#include "skin/TsMemIniFile.h"

class TsSkinManager;

class TsSkinData {
public:
    // The first skin manager created; only it loads skins and announces them.
    TsSkinManager* DefaultManager = nullptr;
    // The options file of an external skin; null for a stored skin.
    std::unique_ptr<TsMemIniFile> IniFile;
    // Folder of the external skin, ending with a separator; empty for a stored skin.
    std::string SkinPath;
    // False while a skin is being applied and after it was removed.
    bool SkinReady = false;
    double Version = 0;
    std::string Author;
    std::string Description;
};

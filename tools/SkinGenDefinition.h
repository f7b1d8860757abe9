#pragma once
// The launcher's stored skin as the main window's definition carries it: the
// skin built from the art and the sections, the skin manager's object block,
// and the definition text with that block put in.

#include <memory>
#include <string>

#include "skin/stored/TsStoredSkin.h"
#include "tools/SkinArt.h"

extern const char* const LauncherSkinName;

// The one stored skin of the launcher; the art's palette report goes to Report.
std::unique_ptr<TsStoredSkins> BuildLauncherSkins(TPaletteResult* report = nullptr);

// "  object sSkinManager1: TsSkinManager" ... "  end", each line ending in "\n".
std::string SkinManagerBlock(const TsStoredSkins& skins);

// The definition with its sSkinManager1 block replaced by Block, or, when it
// has none, with Block added as the last object of the root. Line ends of
// the rest are kept. Throws std::runtime_error for a definition whose root
// object has no closing line.
std::string WithSkinManager(const std::string& definition, const std::string& block);

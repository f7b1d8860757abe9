#pragma once
// Where the game's settings are kept, chosen once when the launcher starts:
//   1. $QUELM_REGISTRY names a store file: that file (TRegistryFile.h).
//   2. Else, when the game's program is a Windows program and Wine is found
//      (FindWine.h), the Wine prefix the game runs in ($WINEPREFIX, else
//      ~/.wine): its user.reg, which is where the game reads them.
//   3. Else our own store file, $XDG_CONFIG_HOME/quelm-launcher/registry.reg
//      (~/.config when unset).
// Until a choice is made, as in tests, the store file serves;
// SetRegistryStorePath() puts a store file before everything else.

#include <memory>
#include <optional>
#include <string>

#include "platform/services/TRegistryBackend.h"

enum class TSettingsKind { skStoreFile, skWinePrefix };

struct TSettingsLocation {
    TSettingsKind Kind = TSettingsKind::skStoreFile;
    std::string Path;    // the store file, or the prefix folder
    std::string Because; // why this one, in words
};

// gameProgram is the game's executable, relative to the working folder.
TSettingsLocation ChooseSettingsLocation(const std::string& gameProgram);
// None: back to the store file.
void UseSettingsLocation(std::optional<TSettingsLocation> location);
TSettingsLocation CurrentSettingsLocation();
// A few lines for people: which store, where, why, and whether it can be
// written now.
std::string DescribeSettingsLocation(const TSettingsLocation& location);

// The store of the current location, for TRegistry.
std::unique_ptr<TRegistryBackend> OpenRegistryBackend();

void SetRegistryStorePath(std::string path); // empty: back to the environment
std::string RegistryStorePath();
std::string WinePrefixPath();

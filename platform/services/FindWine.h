#pragma once
// Where Wine is, by one rule for every use (starting Windows programs, the
// game's settings): $WINE (a path, or a name looked up on PATH), then wine
// and wine64 on PATH, then the places distributions and Wine's own packages
// install it.

#include <string>
#include <vector>

const std::vector<std::string>& WineInstallPaths();

// For a Wine that may make its prefix: without it, Wine offers to download its
// .NET and browser parts in dialogs of its own, which the game needs neither of.
constexpr const char* WineWithoutInstallers = "WINEDLLOVERRIDES=mscoree,mshtml=";

// The executable found, or empty when there is none.
std::string FindWine();
// The same rule with other install places, for tests.
std::string FindWine(const std::vector<std::string>& installPaths);

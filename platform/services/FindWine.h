#pragma once
// Where Wine is, by one rule for every use (starting Windows programs, the
// game's settings): $WINE (a path, or a name looked up on PATH), then wine
// and wine64 on PATH, then the places distributions and Wine's own packages
// install it.

#include <string>
#include <vector>

const std::vector<std::string>& WineInstallPaths();

// The executable found, or empty when there is none.
std::string FindWine();
// The same rule with other install places, for tests.
std::string FindWine(const std::vector<std::string>& installPaths);

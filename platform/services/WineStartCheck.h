#pragma once
// What would keep a Windows game from starting under Wine, asked before the
// start so that the player reads what to install instead of seeing nothing:
// no Wine at all; a 32-bit program on a Wine without its 32-bit part; a
// prefix folder that belongs to another user (Wine refuses to run there).
//
// The 32-bit part is recognised by what is installed: the 32-bit Windows
// side of Wine (i386-windows/ntdll.dll) in one of Wine's library folders, or
// a 32-bit loader named wine in one of them. The folders are those near the
// Wine found (its own folder, and its install prefix's lib, lib32, lib64 and
// multiarch folders) and the system's usual ones (where distributions put
// the loader as /usr/lib/wine/wine).

#include <string>
#include <vector>

enum class TWineProblem { wpNone, wpNoWine, wpNo32BitWine, wpForeignPrefix };

struct TWineCheck {
    TWineProblem Problem = TWineProblem::wpNone;
    std::string Wine;   // the Wine found, if any
    std::string Prefix; // the prefix asked about
    std::string Owner;  // the prefix's owner, for wpForeignPrefix
};

// Where to look for Wine and its 32-bit part; tests give places of their own.
struct TWineSearch {
    std::vector<std::string> InstallPaths; // after $WINE and PATH (FindWine.h)
    std::vector<std::string> LibraryRoots;
};
TWineSearch SystemWineSearch();

// Nothing to report when program is not a Windows program (it then starts
// as it is).
TWineCheck CheckWineStart(const std::string& program, const std::string& prefix,
                          const TWineSearch& search = SystemWineSearch());

// wpForeignPrefix when the prefix exists and belongs to another user.
TWineCheck CheckPrefixOwner(const std::string& prefix);

// The system's folders where Wine's libraries are installed.
const std::vector<std::string>& WineLibraryRoots();
// Whether the Wine at wine can run 32-bit programs; systemRoots in place of
// WineLibraryRoots() for tests.
bool HasWine32Support(const std::string& wine, const std::vector<std::string>& systemRoots);

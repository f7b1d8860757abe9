#pragma once
// Xlib reads the whole table of compose sequences (half a megabyte of text
// for UTF-8 locales) when SDL opens the input method, at every start: a large
// part of the display's start-up. Xlib can keep the parsed table in a cache
// folder named by XCOMPOSECACHE and map it on later starts, the same table
// (dead keys and composed characters work as before). While one of these
// lives, that variable names the launcher's own cache folder, made when
// missing, unless the user chose one; the programs the launcher starts never
// see it. Xlib keeps no such cache for the superuser, for whom nothing changes.
//
// Made, like TNoBusLaunch, before the program starts any thread.

#include <string>

class TComposeCache {
public:
    TComposeCache();
    ~TComposeCache();
    TComposeCache(const TComposeCache&) = delete;
    TComposeCache& operator=(const TComposeCache&) = delete;

    // Removes the variable now rather than at the end of the scope.
    void Restore();

    // The folder for the cache: below XDG_CACHE_HOME, or ~/.cache; empty
    // without either.
    static std::string Folder();

private:
    bool FSet = false;
};

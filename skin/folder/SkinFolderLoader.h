#pragma once
// Loading the skin of a skin folder into the process-wide skin state: the
// three steps the skin manager runs (masks, patterns, sections) over the
// folder's Options.dat, which the manager has read into GlobalSkinData.
//
// The program installs the loader once at start; the manager calls it
// through its folder-loader hook.

#include <string>
#include <vector>

void InstallSkinFolderLoader();

void LoadSkinFolderMasks();
void LoadSkinFolderPatterns();
// Reads VERSION, AUTHOR and DESCRIPTION, then the sections; a skin of the old
// format (version 0 with a TSEDIT section) gets the old-skin notice instead.
void LoadSkinFolderSections();

// Problems of the last sections step that did not stop the load (a chain of
// parent classes that comes back on itself), one sentence each.
const std::vector<std::string>& SkinFolderNotices();

// The old-skin notice's text.
extern const char* const OldSkinNotice;

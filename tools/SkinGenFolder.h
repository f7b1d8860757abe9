#pragma once
// The dark skin that ships beside the launcher, made as a skin folder from
// the launcher's own stored skin: its sections and masks with every colour
// turned dark (tools/SkinArtDark.h), written as Options.dat, the master
// bitmap, several masks in bitmap files of their own beside it, and JPEG
// patterns for the window and the panels.

#include <memory>
#include <string>
#include <vector>

class TsStoredSkin;

extern const char* const DarkSkinName;

struct TSkinFolderFile {
    std::string Name;
    std::string Bytes;
};

// The dark skin's sections and masks as a stored skin (its master bitmap
// still the light one's): what the folder describes.
std::unique_ptr<TsStoredSkin> BuildDarkSkin(const TsStoredSkin& light);

// Options.dat first, then the pictures, each in a fixed order.
std::vector<TSkinFolderFile> BuildDarkSkinFolder(const TsStoredSkin& light);

// Writes every file into Folder (created when missing) through a temporary
// file and a rename each; other files in the folder are left alone.
void WriteSkinFolder(const std::string& folder, const std::vector<TSkinFolderFile>& files);

#pragma once
// Where the skin sheet's skin comes from: the stored skin of the skin manager
// in a form definition, read through the form reader, or a skin folder; either
// is loaded into the process-wide skin state the way the manager loads it.

#include <string>
#include <string_view>
#include <vector>

// Reads the first TsSkinManager block of the definition, picks its stored
// skin as the manager would (the one named SkinName, else the first) and loads
// its masks, patterns and sections. Returns the skin's name. A definition
// without a manager or without a stored skin throws std::runtime_error; one
// that does not read throws EReadError naming the file and line.
std::string LoadStoredSkinFromDefinition(std::string_view text, const std::string& fileName);

// The same for a definition file on disk; a file that cannot be read throws
// std::runtime_error naming it.
std::string LoadStoredSkinFromFile(const std::string& path);

// Loads the skin folder (its Options.dat and pictures) the way the manager
// does and returns the folder's name. A folder without Options.dat throws
// std::runtime_error; an unreadable picture ESkinFolderError naming it. The
// reader's notices (parent chains that come back on themselves) go to Notices.
std::string LoadSkinFolder(const std::string& folder, std::vector<std::string>* notices = nullptr);

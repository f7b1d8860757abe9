#pragma once
// The per-user menu entry (a desktop entry file) that starts the launcher in
// one game's folder, so that a player can start it from the desktop's menu.
// It has the name of the installed entry, so it takes that entry's place in
// the menu.

#include <string>

// The file's text: the program by its full path, the game's folder as the
// working folder and as --game-dir. Throws std::invalid_argument when a path
// is not UTF-8, which a desktop entry cannot hold.
std::string MenuEntryText(const std::string& program, const std::string& gameDir);

// $XDG_DATA_HOME/applications/quelm-launcher.desktop, with ~/.local/share
// when XDG_DATA_HOME is unset or not an absolute path; empty when HOME is
// needed and unset.
std::string MenuEntryPath();

// Writes the entry atomically; empty on success, else why not (an old entry
// is then left as it was).
std::string InstallMenuEntry(const std::string& program, const std::string& gameDir);

#pragma once
// Finding the files a skin folder's Options.dat names. Skins are made on
// systems whose file names ignore case and separate folders with
// backslashes, so a name is matched part by part without regard to case.

#include <optional>
#include <string>

// The path of an existing regular file for Name: a name with a drive colon
// is used as written, any other is taken inside Folder (which ends with '/').
// Nothing when there is no such file.
std::optional<std::string> FindSkinFile(const std::string& folder, const std::string& name);

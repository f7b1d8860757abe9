#pragma once
// Finding the files a skin folder's Options.dat names. Skins are made on
// systems whose file names ignore case and separate folders with
// backslashes, so a name is matched part by part without regard to case.

#include <optional>
#include <stdexcept>
#include <string>

// The path of an existing regular file for Name: a name with a drive colon
// is used as written, any other is taken inside Folder (which ends with '/').
// Nothing when there is no such file.
std::optional<std::string> FindSkinFile(const std::string& folder, const std::string& name);

// Raised when a picture of a skin folder exists but cannot be read, or when a
// value of Options.dat cannot be understood; the message names the file or
// the section and key.
class ESkinFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

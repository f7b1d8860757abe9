#pragma once
// Reads a whole file into memory: the one place the program, its tools and its
// tests load a file's bytes, so that a folder, a missing file and a read error
// are told apart from an empty file the same way everywhere.

#include <optional>
#include <string>

// The file's bytes, or nothing when it is missing, is a folder or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

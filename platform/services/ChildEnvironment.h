#pragma once
// The environment a program we start gets: ours, with some entries put in
// place of those of the same name. Made before a fork, as the child may only
// call what is safe after one.

#include <string>
#include <vector>

// This program's environment with the NAME=value entries of extra in place of
// those of the same name.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra);

// Null-terminated pointers into strings, as exec takes them; strings must outlive them.
std::vector<char*> CStringPointers(std::vector<std::string>& strings);

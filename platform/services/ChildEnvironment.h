#pragma once
// The environment a program we start gets: ours, less the variables set for
// this program's own libraries, with some entries put in place of those of
// the same name. Made before a fork, as the child may only call what is safe
// after one.

#include <string>
#include <vector>

// This program's environment, less its own variables, with the NAME=value
// entries of extra in place of those of the same name.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& extra);

// Sets a variable that the user did not set, for this program's own libraries
// only: until it is removed, the programs this one starts do not get it, so
// they see the environment the user gave. False when it could not be set. As
// any change to the environment, only while no other thread may read it.
bool SetOwnVariable(const char* name, const char* value);
void RemoveOwnVariable(const char* name);

// Null-terminated pointers into strings, as exec takes them; strings must outlive them.
std::vector<char*> CStringPointers(std::vector<std::string>& strings);

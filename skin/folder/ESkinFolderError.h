#pragma once
// The error of a skin folder that cannot be loaded: a picture that exists but
// cannot be read, or a value of Options.dat that cannot be understood. The
// message names the file, or the section and key.

#include <stdexcept>

class ESkinFolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

#pragma once
// The error raised when text that should hold a number does not.

#include <stdexcept>
#include <string>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

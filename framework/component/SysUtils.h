#pragma once
// Conversions with the error messages users of the launcher see.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that should have been a number.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decimal (or $/0x hexadecimal) 32-bit integer with an optional sign; blanks
// before it are skipped. Anything else raises EConvertError with the message
// "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);
// The same, giving fallback instead of raising.
int32_t StrToIntDef(std::string_view text, int32_t fallback);
bool TryStrToInt(std::string_view text, int32_t& value);

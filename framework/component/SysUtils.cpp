#include "component/SysUtils.h"

namespace {
int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}
} // namespace

bool TryStrToInt(std::string_view text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i]);
        if (d >= base) return false;
        magnitude = magnitude * base + d;
        // Hexadecimal may spell the full 32-bit pattern; decimal must fit the signed range.
        if (magnitude > (base == 16 ? int64_t{0xFFFFFFFF} : int64_t{0x80000000})) return false;
    }
    if (base == 10 && !negative && magnitude > INT32_MAX) return false;
    const int64_t v = negative ? -magnitude : magnitude;
    value = static_cast<int32_t>(static_cast<uint32_t>(v));
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t v = 0;
    if (!TryStrToInt(text, v))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback) {
    int32_t v = 0;
    return TryStrToInt(text, v) ? v : fallback;
}

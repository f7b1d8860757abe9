#pragma once
// UTF-8 to code points for text drawing. A byte that does not start a valid
// sequence is taken as a Latin-1 character, so stray 8-bit text
// still shows instead of vanishing.

#include <string>
#include <string_view>

#include "platform/services/TextEncoding.h"

inline std::u32string Utf8Decode(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80             ? 0
                : (c & 0xE0) == 0xC0 ? 1
                : (c & 0xF0) == 0xE0 ? 2
                : (c & 0xF8) == 0xF0 ? 3
                                     : -1;
        char32_t cp = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = n >= 0;
        for (int k = 1; ok && k <= n; ++k) {
            if (i + k >= s.size()) {
                ok = false;
                break;
            }
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (ok) {
            out.push_back(cp);
            i += static_cast<size_t>(n) + 1;
        } else {
            out.push_back(c);
            ++i;
        }
    }
    return out;
}

inline std::string Utf8Encode(std::u32string_view s) {
    std::string out;
    for (char32_t c : s)
        AppendUtf8(out, c);
    return out;
}

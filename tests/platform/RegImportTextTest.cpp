#include <gtest/gtest.h>

#include "platform/services/RegImportText.h"
#include "platform/services/TRegistry.h"

namespace {

// The UTF-16LE file as UTF-8 text, after checking its byte-order mark.
std::string Decoded(const std::string& bytes) {
    EXPECT_EQ(bytes.substr(0, 2), "\xff\xfe");
    std::string out;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned u =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else { // two-byte UTF-8 is all these tests use
            out += static_cast<char>(0xc0 | u >> 6);
            out += static_cast<char>(0x80 | (u & 0x3f));
        }
    }
    return out;
}

} // namespace

TEST(RegImportText, TextsNumbersAndControlCharacters) {
    const std::string file = RegImportText("Software\\Korvan\\Quelm\\Config",
                                           {{"ID", {REG_SZ, "Jo\u00e3o \"o\" C:\\x"}},
                                            {"MusicOnOff", DwordData(1)},
                                            {"Resolution", DwordData(-1)},
                                            {"Odd", {REG_SZ, "a\nb\u00e9"}},
                                            {"Raw", {REG_BINARY, std::string("\0\xff", 2)}}});
    EXPECT_EQ(Decoded(file), "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\r\n"
                             "\"ID\"=\"Jo\u00e3o \\\"o\\\" C:\\\\x\"\r\n"
                             "\"MusicOnOff\"=dword:00000001\r\n"
                             "\"Resolution\"=dword:ffffffff\r\n"
                             // A line break cannot stand inside quotes: UTF-16 units and the NUL.
                             "\"Odd\"=hex(1):61,00,0a,00,62,00,e9,00,00,00\r\n"
                             "\"Raw\"=hex:00,ff\r\n\r\n");
    // Characters beyond Latin-1 are single UTF-16 units, low byte first.
    const std::string euro = RegImportText("K", {{"E", {REG_SZ, "\u20ac"}}});
    EXPECT_NE(euro.find(std::string("\"\0\xac\x20\"\0", 6)), std::string::npos);
}

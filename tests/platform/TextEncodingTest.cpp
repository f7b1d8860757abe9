#include <gtest/gtest.h>

#include "platform/services/TextEncoding.h"

TEST(TextEncoding, EveryWindows1252ByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Utf8Length(utf8), 256u);
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
    EXPECT_EQ(Windows1252ToUtf8("\x80\x9F\xE7\xF5"), "\u20AC\u0178\u00E7\u00F5");
    EXPECT_EQ(Utf8ToWindows1252("a\u4E2D\u00E3"), "a?\xE3");
}

TEST(TextEncoding, StrictUtf8Validation) {
    struct Case {
        const char* bytes;
        bool valid;
    } cases[] = {
        {"plain", true},
        {"\xC3\xA7", true},
        {"\xF4\x8F\xBF\xBF", true},
        {"\xC3", false},
        {"\xC0\xAF", false},
        {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false},
        {"Configura\xE7\xF5"
         "es",
         false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(TextEncoding, TextFilesAreUtf8OnlyWhenValid) {
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF"
                             "a\xC3\xA7"),
              "a\u00E7");
    EXPECT_EQ(DecodeTextFile("a\xC3\xA7"), "a\u00E7");
    EXPECT_EQ(DecodeTextFile("a\xE7"), "a\u00E7");
    EXPECT_EQ(DecodeTextFile(std::string("\xFF\xFE"
                                         "a\0\xE7\0=\xD8\x00\xDE",
                                         10)),
              "a\u00E7\U0001F600");
}

TEST(TextEncoding, CaseFoldingCoversAccentedLetters) {
    EXPECT_TRUE(Utf8SameText("CONFIGURA\u00C7\u00D5ES", "configura\u00E7\u00F5es"));
    EXPECT_TRUE(Utf8SameText("\u0160\u0178\u0416", "\u0161\u00FF\u0436"));
    EXPECT_FALSE(Utf8SameText("Configuracoes", "Configura\u00E7\u00F5es"));
    EXPECT_FALSE(Utf8SameText("\u00D7", "\u00F7")); // multiplication and division signs are no pair
    EXPECT_EQ(Utf8Left("\u00E7\u00E7\u00E7", 2), "\u00E7\u00E7");
}

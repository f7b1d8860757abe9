#include <gtest/gtest.h>

#include "platform/services/CommandLine.h"

using Words = std::vector<std::string>;

TEST(CommandLine, ArgumentsFollowTheWindowsRules) {
    struct Case {
        const char* line;
        Words words; // after the program "p"
    } cases[] = {
        {R"(p "abc" d e)", {"abc", "d", "e"}},
        {R"(p a\\b d"e f"g h)", {R"(a\\b)", "de fg", "h"}},
        {R"(p a\\\"b c d)", {R"(a\"b)", "c", "d"}},
        {R"(p a\\\\"b c" d e)", {R"(a\\b c)", "d", "e"}},
        {R"(p a"b"" c d)", {R"(ab")", "c", "d"}}, // "" inside quotes ends them
        {R"(p "a""b")", {R"(a"b)"}},
        {R"(p """)", {R"(")"}},
        {R"(p "" x "")", {"", "x", ""}},
        {R"(p \\server\share\ "dir\\")", {R"(\\server\share\)", R"(dir\)"}},
        {"p \t a\tb  ", {"a", "b"}},
        {R"(p "unterminated \" quote)", {R"(unterminated " quote)"}},
    };
    for (const auto& c : cases) {
        Words expected{"p"};
        expected.insert(expected.end(), c.words.begin(), c.words.end());
        EXPECT_EQ(SplitCommandLine(c.line), expected) << c.line;
    }
}

TEST(CommandLine, TheProgramWordKeepsItsBackslashes) {
    EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\a.exe" x)"),
              (Words{R"(C:\Program Files\a.exe)", "x"}));
    EXPECT_EQ(SplitCommandLine(R"("a b"c d)"), (Words{"a b", "c", "d"}));
    EXPECT_EQ(SplitCommandLine(R"(dir\"a b)"), (Words{R"(dir\"a)", "b"}));
    EXPECT_EQ(SplitCommandLine("  main.exe connect /u127.0.0.1 /p44405"),
              (Words{"main.exe", "connect", "/u127.0.0.1", "/p44405"}));
    EXPECT_EQ(SplitCommandLine("main.exe connect /u10.0.0.1 extra /p44405").size(), 5u);
    EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

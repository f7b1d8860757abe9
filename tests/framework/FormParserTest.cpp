#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/component/TFormParser.h"
#include "tests/TempFolder.h"

// The program's own window definitions must always parse.
TEST(FormParser, LauncherDefinitionsParse) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUELM_SOURCE_DIR "/launcher")) {
        if (entry.path().extension() != ".dfm") continue;
        SCOPED_TRACE(entry.path().string());
        TObjectDefinition def = TFormParser::Parse(ReadTestFile(entry.path().string()),
                                                   entry.path().filename().string());
        EXPECT_FALSE(def.Children.empty());
        ++count;
    }
    EXPECT_GE(count, 3);
}

// Numbers in a list become its text as the C locale writes them.
TEST(FormParser, NumbersInAListAreWrittenWithADecimalPoint) {
    const TObjectDefinition def = TFormParser::Parse(
        "object Form1: TForm1\n  Lines.Strings = (\n    'one'\n    1.5\n    0.1\n    -2\n    "
        "1e20)\nend\n",
        "Test.dfm");
    ASSERT_EQ(def.Props.size(), 1u);
    EXPECT_EQ(def.Props[0].Value.Items,
              (std::vector<std::string>{"one", "1.5", "0.10000000000000001", "-2", "1e+20"}));
}

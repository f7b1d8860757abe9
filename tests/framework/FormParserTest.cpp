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

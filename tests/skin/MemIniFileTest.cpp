#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/TsMemIniFile.h"

TEST(MemIniFile, SectionsKeysAndNumbers) {
    TsMemIniFile ini({"; comment", "stray=1", "[Button]", "Color = 0xFF ", "Bevel=$10", "Show=true",
                      "Off=1", "Bad=12x", "[EDIT]", "A=-5", "[button]", "Later=7", "Color=1"});
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Button", "EDIT"}));
    EXPECT_EQ(ini.SectionKeys("BUTTON"),
              (std::vector<std::string>{"Color", "Bevel", "Show", "Off", "Bad", "Later", "Color"}));
    EXPECT_EQ(ini.ReadInteger("button", "COLOR", -1), 255);
    EXPECT_EQ(ini.ReadInteger("BUTTON", "Bevel", -1), 16);
    EXPECT_EQ(ini.ReadInteger("BUTTON", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("EDIT", "A", 0), -5);
    EXPECT_EQ(ini.ReadInteger("EDIT", "missing", 9), 9);
    EXPECT_TRUE(ini.ReadBool("BUTTON", "Show", false));
    EXPECT_FALSE(ini.ReadBool("BUTTON", "Off", true));
    EXPECT_EQ(ini.ReadString("BUTTON", "Later", "?"), "7");
    EXPECT_EQ(ini.ReadString("stray", "stray", "?"), "?");
    int32_t v = 0;
    EXPECT_TRUE(TsMemIniFile::ParseInteger("$FF00FF00", v));
    EXPECT_EQ(v, static_cast<int32_t>(0xFF00FF00u));
    EXPECT_FALSE(TsMemIniFile::ParseInteger("99999999999", v));
    EXPECT_FALSE(TsMemIniFile::ParseInteger("0x", v));
}

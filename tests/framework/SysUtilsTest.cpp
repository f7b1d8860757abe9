#include <gtest/gtest.h>

#include "framework/component/SysUtils.h"

TEST(SysUtils, StrToIntAcceptsWhatUsersWrite) {
    EXPECT_EQ(StrToInt("1"), 1);
    EXPECT_EQ(StrToInt("01"), 1);
    EXPECT_EQ(StrToInt(" 1"), 1);
    EXPECT_EQ(StrToInt("-1"), -1);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("2147483647"), INT32_MAX);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(SysUtils, StrToIntRejectsWithTheUsersText) {
    for (const char* bad :
         {"", " ", "abc", "1 ", "1.5", "2147483648", "-", "$", "0x", "$1FFFFFFFF"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToIntDef("x", 42), 42);
}

// Which scale the program takes: the command line, QUELM_SCALE, the desktop's dpi.

#include <gtest/gtest.h>

#include "platform/scaled/DisplayScale.h"

TEST(DisplayScale, WholeNumbersFromOneToFourOnly) {
    EXPECT_EQ(ParseDisplayScale("1"), 1);
    EXPECT_EQ(ParseDisplayScale("4"), 4);
    for (const char* bad : {"", "0", "5", "2.0", "-2", "2x", " 2", "two", "12"})
        EXPECT_EQ(ParseDisplayScale(bad), 0) << bad;
}

TEST(DisplayScale, DpiComesFromTheResourceLineOnly) {
    EXPECT_EQ(ParseResourceDpi("Xcursor.size:\t24\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192);
    EXPECT_EQ(ParseResourceDpi("Xft.dpi: 144.5"), 144);
    EXPECT_EQ(ParseResourceDpi("Xft.antialias:\t1\nmy.Xft.dpi:\t192\n"), 0);
    EXPECT_EQ(ParseResourceDpi("Xft.dpi:\tlarge\n"), 0);
    EXPECT_EQ(ParseResourceDpi(nullptr), 0);
    EXPECT_EQ(ScaleForDpi(96), 1);
    EXPECT_EQ(ScaleForDpi(191), 1);
    EXPECT_EQ(ScaleForDpi(192), 2);
    EXPECT_EQ(ScaleForDpi(288), 3);
    EXPECT_EQ(ScaleForDpi(2000), MaxDisplayScale);
    EXPECT_EQ(ScaleForDpi(20), 1);
}

TEST(DisplayScale, CommandLineThenEnvironmentThenDesktop) {
    int asked = 0;
    const auto dpi = [&asked] {
        ++asked;
        return 192;
    };
    EXPECT_EQ(ChooseDisplayScale(3, "2", dpi).Scale, 3);
    EXPECT_EQ(ChooseDisplayScale(0, "1", dpi).Scale, 1);
    EXPECT_EQ(asked, 0); // the X server is not asked when it would not decide
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, dpi).Scale, 2);
    EXPECT_EQ(ChooseDisplayScale(0, "", dpi).Scale, 2);

    const TScaleChoice bad = ChooseDisplayScale(0, "big", dpi);
    EXPECT_EQ(bad.Scale, 2);
    EXPECT_EQ(bad.Warning, "QUELM_SCALE=big is not a whole number from 1 to 4; ignored");
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, [] { return 0; }).Scale, 1);
    EXPECT_EQ(ChooseDisplayScale(0, nullptr, nullptr).Scale, 1);
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/graphics/Graphics.h"

// Coverage blending is exact at both ends and rounds to the nearest value.
TEST(Colors, CoverageBlendIsNearestForEveryByteTriple) {
    for (int a = 0; a <= 255; ++a)
        for (int color = 0; color <= 255; ++color)
            for (int dest = 0; dest <= 255; ++dest) {
                int got = BlendCoverage(color, dest, a);
                int exact255 = color * a + dest * (255 - a); // 255 times the true value
                ASSERT_LE(std::abs(got * 255 - exact255), 127) << color << " " << dest << " " << a;
            }
    EXPECT_EQ(BlendCoverage(200, 10, 0), 10);
    EXPECT_EQ(BlendCoverage(200, 10, 255), 200);
}

TEST(Colors, SystemColoursResolveAndNamesRoundTrip) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4);
    EXPECT_EQ(ColorToRGB(clHighlight), 0x6A240A);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(13744054), 13744054);
    TColor c = 0;
    EXPECT_TRUE(IdentToColor("CLBTNFACE", c));
    EXPECT_EQ(c, clBtnFace);
    std::string name;
    EXPECT_TRUE(ColorToIdent(clSilver, name));
    EXPECT_EQ(name, "clSilver");
    EXPECT_FALSE(ColorToIdent(13744054, name));
    EXPECT_TRUE(StringToColor("$00FF00", c));
    EXPECT_EQ(c, clLime);
    EXPECT_FALSE(StringToColor("clNoSuch", c));
    EXPECT_FALSE(IdentToColor("", c));
}

#include "paint/Gradient.h"

#include <gtest/gtest.h>

#include "PaintTestUtil.h"

TEST(Gradient, ParseGradientDataGroupsOfFiveWithExtraWordsIgnored) {
    TsGradArray a = ParseGradientData("13413545;16772587;52;1;0;16772587;13413545;48;1;0;"
                                      "13413545;13413545;0;1;0");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].Color1, 13413545);
    EXPECT_EQ(a[0].Color2, 16772587);
    EXPECT_EQ(a[0].Percent, 52u);
    EXPECT_EQ(a[0].Mode, gmHorizontal);
    EXPECT_EQ(a[1].Percent, 48u);
    EXPECT_EQ(a[2].Percent, 0u);

    EXPECT_EQ(ParseGradientData("1;2;3;0;0;6").size(), 1u);
    EXPECT_TRUE(ParseGradientData("").empty());
    EXPECT_TRUE(ParseGradientData("N/A").empty());
    EXPECT_TRUE(ParseGradientData(" ").empty());
    EXPECT_TRUE(ParseGradientData("1;2;3;4").empty());
    // Runs of separators and separators at the ends make no empty words.
    a = ParseGradientData(";;1;;2;3;;;0;7;");
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].Color2, 2);
    EXPECT_EQ(a[0].Reserved, 0);
    EXPECT_EQ(ParseGradientData("1;2;250;0;0")[0].Percent, 100u);
    EXPECT_EQ(ParseGradientData("-1;2;3;0;0")[0].Color1, -1);
}

TEST(Gradient, ParseGradientDataBadWordRaisesAndKeepsEarlierGroups) {
    TsGradArray a{{1, 1, 1, 1, 1}};
    try {
        ParseGradientData("1;2;3;0;0;4;x5;6;0;0;7;8;9;0;0", a);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x5' is not a valid integer value");
    }
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].Color2, 2);
    EXPECT_EQ(a[1].Color1, 4);
    EXPECT_EQ(a[1].Color2, 0);
    EXPECT_EQ(a[2].Color1, 0);
    EXPECT_THROW(ParseGradientData("1;2;3;0;0;4;5;6;0 ;0"), EConvertError);
    EXPECT_THROW(ParseGradientData("1;2;3;0;0;4;5;6;99999999999;0"), EConvertError);
    EXPECT_THROW(ParseGradientData("1;2;-;0;0"), EConvertError);
    // The reserved word is never read.
    EXPECT_NO_THROW(ParseGradientData("1;2;3;0;junk"));
}

namespace {
// Column (or row) colours of a one-channel-per-colour check: red values along the walk.
std::vector<int> RedRow(const TBitmap& b, int y, int from, int to) {
    std::vector<int> v;
    for (int x = from; x < to; ++x)
        v.push_back(b.Pixel(x, y) & 0xFF);
    return v;
}
std::vector<int> RedColumn(const TBitmap& b, int x, int from, int to) {
    std::vector<int> v;
    for (int y = from; y < to; ++y)
        v.push_back(b.Pixel(x, y) & 0xFF);
    return v;
}
} // namespace

TEST(Gradient, FillGradientVerticalWhiteToColourSkipsEmptyLastGroup) {
    auto b = MakeBitmap(10, 10);
    FillGradient(b.get(), {0, 0, 10, 10},
                 ParseGradientData("16777215;12686741;100;0;0;12686741;12686741;0;0;0"));
    const int red[] = {255, 243, 231, 220, 208, 196, 184, 173, 161, 149};
    const int blue[] = {255, 248, 241, 234, 227, 221, 214, 207, 200, 193};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(b->Pixel(x, y), RGBColor(red[y], red[y], blue[y])) << x << "," << y;
}

TEST(Gradient, FillGradientRoundsTiesToEven) {
    auto b = MakeBitmap(3, 2);
    // Steps of one half: 0 -> 0.5 -> 1 and 1 -> 1.5 -> 2 and 3 -> 1.5 -> 0.
    FillGradient(b.get(), {0, 0, 3, 1}, ParseGradientData("0;1;100;1;0"));
    EXPECT_EQ(RedRow(*b, 0, 0, 3), (std::vector<int>{0, 0, 1}));
    FillGradient(b.get(), {0, 0, 3, 1}, ParseGradientData("1;2;100;1;0"));
    EXPECT_EQ(RedRow(*b, 0, 0, 3), (std::vector<int>{1, 2, 2}));
    FillGradient(b.get(), {0, 0, 3, 1}, ParseGradientData("3;0;100;1;0"));
    EXPECT_EQ(RedRow(*b, 0, 0, 3), (std::vector<int>{3, 2, 0}));
    EXPECT_TRUE(UntouchedOutside(*b, {0, 0, 3, 1}));
}

TEST(Gradient, FillGradientConsecutiveGroupsShareARowAndClampAtTheEdge) {
    // 25 rows: the first group takes rows 0..13, the second 13..24 (clamped from
    // 25), the third has no rows left.
    auto b = MakeBitmap(4, 27);
    FillGradient(b.get(), {1, 1, 3, 26}, ParseGradientData("0;13;52;0;0;100;122;48;0;0;7;7;0;0;0"));
    std::vector<int> expect;
    for (int i = 0; i < 13; ++i)
        expect.push_back(i);
    for (int i = 0; i <= 11; ++i)
        expect.push_back(100 + 2 * i);
    EXPECT_EQ(RedColumn(*b, 1, 1, 26), expect);
    EXPECT_EQ(RedColumn(*b, 2, 1, 26), expect);
    EXPECT_TRUE(UntouchedOutside(*b, {1, 1, 3, 26}));
}

TEST(Gradient, FillGradientShortSharesLeaveTheRestToTheLastGroup) {
    auto b = MakeBitmap(11, 1);
    // 10 % of 11 columns = 1: group one paints 0..1, the last 1..10 whatever its share.
    FillGradient(b.get(), {0, 0, 11, 1}, ParseGradientData("0;10;10;1;0;20;110;90;0;0"));
    EXPECT_EQ(RedRow(*b, 0, 0, 11),
              (std::vector<int>{0, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    // Shares past 100 cut: the second group starts at the last column and is skipped.
    FillGradient(b.get(), {0, 0, 11, 1}, ParseGradientData("0;100;100;1;0;5;5;50;0;0;9;9;0;0;0"));
    EXPECT_EQ(RedRow(*b, 0, 0, 11), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(Gradient, FillGradientDirectionComesFromTheFirstGroup) {
    auto b = MakeBitmap(3, 3);
    FillGradient(b.get(), {0, 0, 3, 3}, ParseGradientData("0;2;100;2;0;0;0;0;0;0"));
    EXPECT_TRUE(UntouchedOutside(*b, {}));
    FillGradient(b.get(), {0, 0, 3, 3}, ParseGradientData("0;2;100;1;0;0;0;0;0;0"));
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(RedRow(*b, y, 0, 3), (std::vector<int>{0, 1, 2}));
    FillGradient(b.get(), {0, 0, 3, 3}, {});
    EXPECT_EQ(RedRow(*b, 2, 0, 3), (std::vector<int>{0, 1, 2}));
}

TEST(Gradient, FillGradientClipsToTheBitmap) {
    auto b = MakeBitmap(4, 4);
    // Clipped to (0,0)-(4,4): the walk runs over the clipped length.
    FillGradient(b.get(), {-5, -5, 20, 20}, ParseGradientData("0;30;100;0;0"));
    EXPECT_EQ(RedColumn(*b, 3, 0, 4), (std::vector<int>{0, 10, 20, 30}));
    auto c = MakeBitmap(4, 4);
    FillGradient(c.get(), {2, 6, 4, 2}, ParseGradientData("0;30;100;0;0;1;1;1;0;0;2;2;0;0;0"));
    FillGradient(c.get(), {6, 0, 2, 4}, ParseGradientData("0;30;100;1;0;1;1;1;0;0;2;2;0;0;0"));
    FillGradient(c.get(), {1, 1, 2, 4}, ParseGradientData("0;30;100;1;0"));
    FillGradient(c.get(), {1, 1, 4, 2}, ParseGradientData("0;30;100;0;0"));
    FillGradient(c.get(), {1, 1, 1, 1}, ParseGradientData("0;30;100;0;0"));
    EXPECT_TRUE(UntouchedOutside(*c, {}));
}

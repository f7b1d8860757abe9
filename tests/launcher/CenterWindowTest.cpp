#include <gtest/gtest.h>

#include "launcher/CenterWindow.h"

TEST(CenterWindow, Arithmetic) {
    const TRect work{0, 0, 1024, 738};
    // Halves truncate toward zero.
    EXPECT_EQ(CenteredPosition(641, 100, 2, work, {640, 480}).X, 0);
    EXPECT_EQ(CenteredPosition(643, 100, 2, work, {640, 480}).X, -1);
    EXPECT_EQ(CenteredPosition(100, 100, 2, work, {1024, 768}), (TPoint{462, 334}));
    // The Windows 95 family counts the work area's size, not its corner.
    const TRect topBar{0, 30, 1024, 768};
    EXPECT_EQ(CenteredPosition(100, 400, 1, topBar, {1024, 768}).Y, 169);
    EXPECT_EQ(CenteredPosition(100, 400, 2, topBar, {1024, 768}).Y, 184);
}

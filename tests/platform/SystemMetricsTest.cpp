#include <gtest/gtest.h>

#include "platform/headless/THeadlessHost.h"
#include "platform/services/SystemMetrics.h"
#include "platform/services/VersionInfo.h"

TEST(SystemMetrics, FrameMetricsAndScreen) {
    struct Case {
        int index, value;
    } cases[] = {
        {SM_CXFRAME, 4},    {SM_CYFRAME, 4},      {SM_CXDLGFRAME, 3}, {SM_CYDLGFRAME, 3},
        {SM_CYCAPTION, 19}, {SM_CYSMCAPTION, 15}, {SM_CYMENU, 19},    {SM_CXMENUSIZE, 18},
        {SM_CXSIZE, 18},    {SM_CXVSCROLL, 16},   {1000, 0},
    };
    static_assert(DefaultSystemMetric(SM_CYCAPTION) == 19);
    for (const auto& c : cases)
        EXPECT_EQ(GetSystemMetrics(c.index), c.value) << c.index;

    SetHost(nullptr);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    auto host = std::make_unique<THeadlessHost>();
    host->SetScreen({640, 480}, 20);
    SetHost(std::move(host));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    TRect work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, Rect(0, 0, 640, 460));
    SetHost(nullptr);
}

TEST(SystemMetrics, VersionIsAnNtSystem) {
    OSVERSIONINFOA info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(info.dwMajorVersion, 6u);
    info.dwOSVersionInfoSize = 12;
    EXPECT_FALSE(GetVersionExA(&info));
}

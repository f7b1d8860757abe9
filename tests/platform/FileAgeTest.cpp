#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/services/FileAge.h"
#include "tests/TempFolder.h"

namespace {

// Local time is UTC for the duration of a test.
class FileAge : public testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        FHadTz = tz != nullptr;
        FOldTz = tz ? tz : "";
        setenv("TZ", "UTC0", 1);
        tzset();
    }
    void TearDown() override {
        if (FHadTz)
            setenv("TZ", FOldTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    bool FHadTz = false;
    std::string FOldTz;
};

} // namespace

TEST_F(FileAge, PackedDosTimeAtTheLimits) {
    TTempFolder dir;
    const std::string file = dir.Write("main.exe", "x");
    struct Case {
        int64_t time;
        int32_t age;
    } cases[] = {
        {315532799, -1},                                // 1979-12-31 23:59:59
        {315532800, 0x00210000},                        // 1980-01-01 00:00:00
        {1796586573, 0x5D869E30},                       // 2026-12-06 19:49:33: seconds halve down
        {2335219200, static_cast<int32_t>(0x80210000)}, // 2044: negative, still a date
        {4354819199, static_cast<int32_t>(0xFF9FBF7D)}, // 2107-12-31 23:59:59
        {4354819200, -1},                               // 2108-01-01 00:00:00
    };
    for (const auto& c : cases) {
        const timespec times[2] = {{c.time, 0}, {c.time, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        EXPECT_EQ(::FileAge(file), c.age) << c.time;
    }
    EXPECT_EQ(::FileAge(dir / "missing.exe"), -1);
    EXPECT_EQ(::FileAge(dir.Path()), -1);
}

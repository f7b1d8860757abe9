#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

#include "platform/services/TRegistry.h"
#include "platform/services/TWineWriteJob.h"
#include "tests/TempFolder.h"

namespace {

// A stand-in Wine: logs its arguments, makes the prefix for wineboot, keeps
// a copy of the file handed to reg import (found through the prefix's C:),
// or sleeps when told to.
const char* const kStandIn = R"(#!/bin/sh
dir=$(dirname "$WINEPREFIX")
printf "%s\n" "$*" >> "$dir/calls.log"
[ -f "$dir/hang" ] && sleep 30
if [ "$1" = wineboot ]; then mkdir -p "$WINEPREFIX/drive_c"; : > "$WINEPREFIX/user.reg"; exit 0; fi
name=$(printf "%s" "$3" | sed 's/.*\\//')
cp "$WINEPREFIX/drive_c/windows/temp/$name" "$dir/imported.reg"
)";

TWineWriteState Finish(TWineWriteJob& job) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (job.Poll() == TWineWriteState::wwRunning && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return job.State();
}

} // namespace

TEST(WineWriteJob, MakesAMissingPrefixThenImportsAndCleansUp) {
    TTempFolder dir;
    const std::string wine = dir.Write("wine", kStandIn);
    chmod(wine.c_str(), 0755);
    const std::string prefix = dir / "prefix";
    TWineWriteJob job({wine, prefix, "Software\\K", {{"ID", {REG_SZ, "x"}}}});
    EXPECT_TRUE(job.CreatingPrefix());
    ASSERT_EQ(Finish(job), TWineWriteState::wwDone) << job.Detail();
    const std::string name = "quelm-settings-" + std::to_string(getpid()) + ".reg";
    EXPECT_EQ(dir.Read("calls.log"),
              "wineboot --init\nreg import C:\\windows\\temp\\" + name + "\n");
    EXPECT_EQ(dir.Read("imported.reg"), RegImportText("Software\\K", {{"ID", {REG_SZ, "x"}}}));
    EXPECT_FALSE(std::filesystem::exists(prefix + "/drive_c/windows/temp/" + name));

    // With the prefix there, only the import runs.
    std::filesystem::remove(dir / "calls.log");
    TWineWriteJob again({wine, prefix, "Software\\K", {}});
    EXPECT_FALSE(again.CreatingPrefix());
    ASSERT_EQ(Finish(again), TWineWriteState::wwDone);
    EXPECT_EQ(dir.Read("calls.log").substr(0, 10), "reg import");
}

TEST(WineWriteJob, AStuckWineIsKilledAtItsLimit) {
    TTempFolder dir;
    const std::string wine = dir.Write("wine", kStandIn);
    chmod(wine.c_str(), 0755);
    dir.Write("hang", "");
    const auto before = std::chrono::steady_clock::now();
    TWineWriteJob job({wine, dir / "prefix", "K", {}}, {std::chrono::seconds(1), {}});
    EXPECT_EQ(Finish(job), TWineWriteState::wwFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(10));
    EXPECT_EQ(job.Failure(), TWineWriteFailure::wfTimeout);
    EXPECT_EQ(job.Detail(), "wineboot took more than 1 s");
}

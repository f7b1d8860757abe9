#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/services/TChildProcess.h"

namespace {

// Polls as the launcher's timer does, with a bound.
bool WaitForEnd(TChildProcess& child, int seconds = 10) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (child.Running())
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return true;
}

} // namespace

TEST(ChildProcess, OutputStatusAndEnvironmentOfAProgramThatEnds) {
    setenv("QUELM_CHILD_KEPT", "kept", 1);
    setenv("QUELM_CHILD_SET", "old", 1);
    TChildProcess child("/bin/sh",
                        {"sh", "-c",
                         "echo \"$QUELM_CHILD_KEPT $QUELM_CHILD_SET $QUELM_CHILD_NEW\"; "
                         "echo to-error >&2; read line; echo \"[$line]\"; exit 7"},
                        {"QUELM_CHILD_SET=new", "QUELM_CHILD_NEW=added"});
    unsetenv("QUELM_CHILD_KEPT");
    unsetenv("QUELM_CHILD_SET");
    ASSERT_TRUE(child.Started()) << child.StartError();
    ASSERT_TRUE(WaitForEnd(child));
    EXPECT_EQ(child.ExitCode(), 7);
    // Both streams in one, and standard input is empty.
    EXPECT_EQ(child.Output(), "kept new added\nto-error\n[]\n");
    EXPECT_FALSE(child.Running());
}

TEST(ChildProcess, StartErrorsKillsAndBoundedOutput) {
    TChildProcess missing("/nonexistent/program", {"program"});
    EXPECT_FALSE(missing.Started());
    EXPECT_NE(missing.StartError().find("No such file"), std::string::npos) << missing.StartError();
    EXPECT_FALSE(missing.Running());

    // A child that would run for long goes at once, with its own children.
    TChildProcess sleeper("/bin/sh", {"sh", "-c", "sleep 100 & sleep 100"});
    ASSERT_TRUE(sleeper.Started());
    EXPECT_TRUE(sleeper.Running());
    const auto before = std::chrono::steady_clock::now();
    sleeper.Kill();
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(5));
    EXPECT_FALSE(sleeper.Running());
    EXPECT_EQ(sleeper.ExitCode(), 128 + 9);

    TChildProcess chatty("/bin/sh", {"sh", "-c", "head -c 100000 /dev/zero | tr '\\0' x"});
    ASSERT_TRUE(WaitForEnd(chatty));
    EXPECT_EQ(chatty.Output(), std::string(TChildProcess::kMaxOutput, 'x'));
}

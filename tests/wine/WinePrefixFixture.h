#pragma once
// The launcher with real Wine: a scratch game folder whose main.exe is the
// Windows stand-in client (tests/wineclient), and a Wine prefix of its own
// for each test. Making a prefix takes Wine many seconds, so the program makes
// one, once, and each test gets a copy: hard links for the Windows folder,
// which nothing here changes, real copies of the files at the top (the
// registry files, which Wine rewrites in place). Every wait has a bound, and each test
// ends by killing the Wine server of its prefix, so a stuck Wine cannot hang
// the run. Without Wine or the client the tests skip and say why.

#include "launcher/LauncherFixture.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "launcher/TWineApply.h"
#include "platform/services/FindWine.h"
#include "platform/services/TChildProcess.h"

struct TRunResult {
    int ExitCode = -1;
    std::string Output;
};

class WinePrefixFixture : public HeadlessLauncher {
protected:
    static constexpr int kWineSeconds = 120;  // one Wine program, prefix making included
    static constexpr int kClientSeconds = 60; // the client's answer

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs a program to its end, killed after seconds.
    static TRunResult Run(const std::vector<std::string>& argv, int seconds = kWineSeconds);
    // "wine main.exe args..." in the game folder, with the test's prefix.
    TRunResult RunClient(const std::vector<std::string>& args);
    // Waits for the prefix's Wine server to end and save the registry.
    void WaitForWineServer();
    // Lets the loop run until Apply's write through Wine has ended.
    void WaitForApply();
    // Polls the client's output file until it holds count lines "end" (or
    // the line given); returns the output.
    std::string WaitForClient(const std::string& line = "end", int count = 1);
    // The value lines of the client's last report.
    static std::vector<std::string> LastValues(const std::string& output);

    std::string Prefix;

private:
    static std::string WineServer();

    std::vector<std::pair<std::string, std::optional<std::string>>> FSavedEnv;
};

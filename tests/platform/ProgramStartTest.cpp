#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/services/FindWine.h"
#include "platform/services/ProgramStart.h"
#include "tests/TempFolder.h"

namespace {

// A stand-in program: records its arguments, its standard input and its
// session, then renames the record into place so that it appears whole.
constexpr const char* kRecorder = "#!/bin/sh\n"
                                  "out=\"$(dirname \"$0\")/ran.txt\"\n"
                                  "{ for a in \"$@\"; do printf '[%s]' \"$a\"; done; echo\n"
                                  "  readlink /proc/self/fd/0\n"
                                  "  set -- $(cat /proc/$$/stat); echo \"$6\"\n"
                                  "} > \"$out.part\" && mv \"$out.part\" \"$out\"\n";

std::string WaitForFile(const TTempFolder& dir, const char* name) {
    for (int i = 0; i < 500 && !std::filesystem::exists(dir / name); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return dir.Read(name);
}

void MakeExecutable(const std::string& path, bool on = true) {
    chmod(path.c_str(), on ? 0755 : 0644);
}

// Runs the test in the folder and with PATH and WINE as given; restores them after.
class ProgramStart : public testing::Test {
protected:
    void SetUp() override {
        FOldDir = std::filesystem::current_path();
        FOldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        std::filesystem::current_path(FDir.Path());
        unsetenv("WINE");
    }
    void TearDown() override {
        std::filesystem::current_path(FOldDir);
        setenv("PATH", FOldPath.c_str(), 1);
        unsetenv("WINE");
    }
    TTempFolder FDir;
    std::filesystem::path FOldDir;
    std::string FOldPath;
};

} // namespace

TEST_F(ProgramStart, NativeProgramRunsDetachedWithTheSplitWords) {
    MakeExecutable(FDir.Write("main.exe", kRecorder));
    const uint32_t code =
        WinExec(R"(main.exe connect /u10.0.0.1 x /p44405 "a b\\")", SW_SHOWNORMAL);
    EXPECT_GT(code, 31u) << LastWinExecReason();
    // The go-between process was reaped at once: no child is left to wait for.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    const std::string ran = WaitForFile(FDir, "ran.txt");
    EXPECT_EQ(ran.substr(0, ran.find('\n')), R"([connect][/u10.0.0.1][x][/p44405][a b\])");
    EXPECT_NE(ran.find("\n/dev/null\n"), std::string::npos) << ran;
    EXPECT_EQ(ran.find("\n" + std::to_string(getsid(0)) + "\n"), std::string::npos)
        << "same session";
}

TEST_F(ProgramStart, WindowsProgramGoesThroughWine) {
    FDir.Write("main.exe", std::string("MZ\x90\0", 4));
    const std::string wine = FDir.Write("fake-wine", kRecorder);
    MakeExecutable(wine);
    setenv("WINE", wine.c_str(), 1);
    EXPECT_TRUE(StartProgram("main connect /u1.2.3.4").Started); // ".exe" is tried
    const std::string ran = WaitForFile(FDir, "ran.txt");
    EXPECT_EQ(ran.substr(0, ran.find('\n')), "[./main.exe][connect][/u1.2.3.4]");
}

TEST_F(ProgramStart, FailuresSayWhy) {
    FDir.Write("mz.exe", "MZ");
    FDir.Write("text.exe", "just text");
    MakeExecutable(FDir / "text.exe");
    FDir.Write("plain.sh", "#!/bin/sh\n");
    MakeExecutable(FDir.Write("broken.sh", "#!/nonexistent/interpreter\n"));
    std::filesystem::create_directory(FDir / "folder.exe");
    setenv("PATH", (FDir / "folder.exe").c_str(), 1); // no wine anywhere

    struct Case {
        const char* line;
        uint32_t code;
        const char* reason;
    } cases[] = {
        {"", ERROR_FILE_NOT_FOUND, "names no program"},
        {"missing.exe a", ERROR_FILE_NOT_FOUND, "\"missing.exe\" was not found"},
        {"nofolder\\x.exe", ERROR_PATH_NOT_FOUND, "was not found"},
        {"folder.exe", ERROR_ACCESS_DENIED, "is a folder"},
        {"plain.sh", ERROR_ACCESS_DENIED, "not marked executable"},
        {"text.exe", ERROR_BAD_FORMAT, "is not a program"},
        {"mz.exe", ERROR_BAD_FORMAT, "Wine"},
        {"broken.sh", ERROR_FILE_NOT_FOUND, "No such file or directory"},
    };
    for (const auto& c : cases) {
        // Wine installed in its usual places would run the "MZ" file.
        if (std::string_view(c.line) == "mz.exe" && !FindWine().empty()) continue;
        EXPECT_EQ(WinExec(c.line, SW_SHOWNORMAL), c.code) << c.line;
        EXPECT_NE(LastWinExecReason().find(c.reason), std::string::npos) << LastWinExecReason();
    }
}

TEST_F(ProgramStart, LinksOpenWithTheAddressAsOneArgument) {
    MakeExecutable(FDir.Write("xdg-open", kRecorder));
    setenv("PATH", (FDir.Path() + ":" + FOldPath).c_str(), 1);
    EXPECT_GT(
        ShellExecuteA(nullptr, "open", "http://a.example/x y?q=1&r=\"2\"", nullptr, nullptr, 1),
        32);
    const std::string ran = WaitForFile(FDir, "ran.txt");
    EXPECT_EQ(ran.substr(0, ran.find('\n')), "[http://a.example/x y?q=1&r=\"2\"]");
    EXPECT_EQ(ShellExecuteA(nullptr, "print", "x", nullptr, nullptr, 1), SE_ERR_NOASSOC);
    setenv("PATH", "/nonexistent", 1);
    EXPECT_EQ(ShellOpen("mailto:a@b").Reason, "Links cannot be opened: xdg-open was not found.");
}

// A prefix that the game's start makes must not stop at Wine's offers to
// download its .NET and browser parts; a made prefix, or the player's own
// choice of overrides, is left as it is.
TEST_F(ProgramStart, AWineThatWillMakeThePrefixRunsWithoutItsInstallers) {
    FDir.Write("main.exe", std::string("MZ\x90\0", 4));
    const std::string wine =
        FDir.Write("fake-wine", "#!/bin/sh\nout=\"$(dirname \"$0\")/ran.txt\"\n"
                                "echo \"[$WINEDLLOVERRIDES][$HOME]\" > \"$out.part\" && "
                                "mv \"$out.part\" \"$out\"\n");
    MakeExecutable(wine);
    setenv("WINE", wine.c_str(), 1);
    const std::string prefix = FDir / "prefix";
    setenv("WINEPREFIX", prefix.c_str(), 1);
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const auto ran = [this] {
        std::filesystem::remove(FDir / "ran.txt");
        EXPECT_TRUE(StartProgram("main.exe").Started);
        return WaitForFile(FDir, "ran.txt");
    };
    EXPECT_EQ(ran(), "[mscoree,mshtml=][" + home + "]\n");
    std::filesystem::create_directories(prefix);
    FDir.Write("prefix/user.reg", "WINE REGISTRY Version 2\n");
    EXPECT_EQ(ran(), "[][" + home + "]\n");
    std::filesystem::remove(prefix + "/user.reg");
    setenv("WINEDLLOVERRIDES", "d3d9=n", 1);
    EXPECT_EQ(ran(), "[d3d9=n][" + home + "]\n");
    unsetenv("WINEDLLOVERRIDES");
    unsetenv("WINEPREFIX");
}

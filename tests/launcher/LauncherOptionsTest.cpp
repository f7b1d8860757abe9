// The launcher's command line, through the parser and through the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunProgram.h"
#include "TempFolder.h"
#include "launcher/LauncherOptions.h"
#include "platform/PngFile.h"

namespace fs = std::filesystem;

namespace {

using A = TLauncherAction;

int Boxes(const std::string& out) {
    int n = 0;
    for (size_t at = out.find("messagebox\t"); at != std::string::npos;
         at = out.find("messagebox\t", at + 1))
        ++n;
    return n;
}

} // namespace

TEST(LauncherOptions, OneActionWithTheGameFolderAndClearErrors) {
    struct Case {
        std::vector<std::string> args;
        A action;
        std::string gameDir, screenshots;
        int scale = 0;
    };
    for (const Case& c : {
             Case{{}, A::laRun, "", ""},
             Case{{"--game-dir", "/g", "--screenshot", "s"}, A::laScreenshot, "/g", "s"},
             Case{{"--install-menu-entry", "--game-dir", "x"}, A::laInstallMenuEntry, "x", ""},
             Case{{"--settings-info", "--settings-info"}, A::laSettingsInfo, "", ""},
             Case{{"--screenshot", "s", "--version"}, A::laVersion, "", "s"},
             Case{{"--bogus", "-h"}, A::laHelp, "", ""},
             Case{{"--scale", "2", "--screenshot", "s"}, A::laScreenshot, "", "s", 2},
         }) {
        SCOPED_TRACE(c.args.empty() ? "" : c.args[0]);
        // An unknown option before --help is still an error: nothing is skipped silently.
        if (c.args.size() == 2 && c.args[0] == "--bogus") {
            EXPECT_THROW(ParseLauncherOptions(c.args), ELauncherOptions);
            continue;
        }
        const TLauncherOptions o = ParseLauncherOptions(c.args);
        EXPECT_EQ(o.Action, c.action);
        EXPECT_EQ(o.GameDir, c.gameDir);
        EXPECT_EQ(o.ScreenshotDir, c.screenshots);
        EXPECT_EQ(o.Scale, c.scale);
    }
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--game-dir"},
                                                {"--game-dir", ""},
                                                {"--screenshot"},
                                                {"--screenshot", "s", "--settings-info"},
                                                {"--install-menu-entry", "--screenshot", "s"},
                                                {"--scale", "5"},
                                                {"--scale", "1.5"},
                                                {"game"}}) {
        try {
            ParseLauncherOptions(bad);
            ADD_FAILURE() << "accepted " << bad[0];
        } catch (const ELauncherOptions& e) {
            EXPECT_NE(std::string(e.what()).find(bad[0] == "game" ? "'game'" : "--"),
                      std::string::npos)
                << e.what();
        }
    }
}

TEST(LauncherOptions, HelpListsEveryOptionAndVersionPrintsTheVersion) {
    TTempFolder here;
    const TRunResult help = RunProgram({BuiltLauncher(), "--help"}, here.Path());
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out.rfind("Usage: launcher ", 0), 0u) << help.Out;
    for (const char* option : {"--game-dir DIR", "--scale N", "--screenshot DIR", "--settings-info",
                               "--install-menu-entry", "--help", "--version"})
        EXPECT_NE(help.Out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
    const TRunResult version = RunProgram({BuiltLauncher(), "--version"}, here.Path());
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "Launcher 1.2\n");
    const TRunResult wrong = RunProgram({BuiltLauncher(), "--screenshot"}, here.Path());
    EXPECT_EQ(wrong.Status, 2);
    EXPECT_EQ(wrong.Out, "");
    EXPECT_EQ(wrong.Err, "launcher: --screenshot needs DIR\n");
}

TEST(LauncherOptions, GameDirRunsTheLauncherForAGameElsewhere) {
    TTempFolder scratch;
    const std::string game = scratch / "games/Quelm", start = scratch / "start";
    WriteGame(game);
    fs::create_directories(start);
    const TEnvironment env = {{"QUELM_REGISTRY", game + "/registry.reg"}};

    // The game's own folder gives a clean start; the empty one, without launch.ini, error boxes.
    const TRunResult there =
        RunProgram({BuiltLauncher(), "--game-dir", game, "--screenshot", "shots"}, start, env);
    EXPECT_EQ(there.Status, 0) << there.Err;
    EXPECT_EQ(Boxes(there.Out), 0) << there.Out;
    // The screenshot folder is where the program was started, not in the game's folder.
    EXPECT_TRUE(fs::exists(start + "/shots/Form1.png"));
    EXPECT_FALSE(fs::exists(game + "/shots"));
    const TRunResult here = RunProgram({BuiltLauncher(), "--screenshot", "shots"}, start, env);
    EXPECT_GT(Boxes(here.Out), 0) << here.Out;

    const TRunResult missing = RunProgram(
        {BuiltLauncher(), "--game-dir", scratch / "nowhere", "--screenshot", "x"}, start, env);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "launcher: cannot use '" + scratch / "nowhere" +
                               "' as the game's folder: No such file or directory\n");
    EXPECT_FALSE(fs::exists(start + "/x"));
}

TEST(LauncherOptions, ScreenshotsNeverLoadTheWindowLibrary) {
    TTempFolder scratch;
    const std::string game = scratch / "game";
    WriteGame(game);
    // The dynamic loader lists every library it opens.
    const TEnvironment env = {{"QUELM_REGISTRY", game + "/registry.reg"}, {"LD_DEBUG", "files"}};
    const TRunResult shot = RunProgram({BuiltLauncher(), "--screenshot", "shots"}, game, env);
    ASSERT_EQ(shot.Status, 0) << shot.Err;
    EXPECT_NE(shot.Err.find("libfreetype"), std::string::npos) << "the loader said nothing";
    EXPECT_EQ(shot.Err.find("libSDL2"), std::string::npos);
    EXPECT_TRUE(fs::exists(game + "/shots/Form1.png"));
}

TEST(LauncherOptions, ScaleFromTheCommandLineOrTheEnvironmentEnlargesTheScreenshots) {
    TTempFolder scratch;
    const std::string game = scratch / "game";
    WriteGame(game);
    const TEnvironment env = {{"QUELM_REGISTRY", game + "/registry.reg"}};
    const auto widthOf = [](const std::string& png) { return ReadPng(png).Width(); };

    ASSERT_EQ(RunProgram({BuiltLauncher(), "--screenshot", "one"}, game, env).Status, 0);
    const TRunResult doubled =
        RunProgram({BuiltLauncher(), "--scale", "2", "--screenshot", "two"}, game, env);
    ASSERT_EQ(doubled.Status, 0) << doubled.Err;
    EXPECT_EQ(widthOf(game + "/two/Form1.png"), 2 * widthOf(game + "/one/Form1.png"));

    TEnvironment tripled = env;
    tripled.push_back({"QUELM_SCALE", "3"});
    ASSERT_EQ(RunProgram({BuiltLauncher(), "--screenshot", "three"}, game, tripled).Status, 0);
    EXPECT_EQ(widthOf(game + "/three/Form3.png"), 3 * widthOf(game + "/one/Form3.png"));

    // A setting the program cannot use is said, and the normal size taken.
    TEnvironment wrong = env;
    wrong.push_back({"QUELM_SCALE", "huge"});
    const TRunResult ignored = RunProgram({BuiltLauncher(), "--screenshot", "wrong"}, game, wrong);
    EXPECT_EQ(ignored.Status, 0);
    EXPECT_NE(ignored.Err.find("launcher: QUELM_SCALE=huge is not a whole number from 1 to 4; "
                               "ignored\n"),
              std::string::npos)
        << ignored.Err;
    EXPECT_EQ(widthOf(game + "/wrong/Form1.png"), widthOf(game + "/one/Form1.png"));
}

// launcher --install-menu-entry: the per-user desktop entry, written by the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunProgram.h"
#include "TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::string Program() {
    return fs::canonical(BuiltLauncher()).string();
}

} // namespace

TEST(MenuEntry, StartsTheLauncherInTheCurrentGameFolder) {
    TTempFolder scratch;
    // Every character that desktop entries quote or escape: the entry must
    // still name this very folder.
    const std::string game = scratch / "Quelm \"Demo\" $HOME 100% back\\slash";
    fs::create_directories(game);
    const TRunResult run = RunProgram({BuiltLauncher(), "--install-menu-entry"}, game,
                                      {{"XDG_DATA_HOME", scratch / "data"}});
    EXPECT_EQ(run.Status, 0) << run.Err;
    const std::string path = scratch / "data/applications/quelm-launcher.desktop";
    EXPECT_EQ(run.Out, "Menu entry written: " + path + "\n");
    const std::string quoted = scratch / "Quelm \\\\\"Demo\\\\\" \\\\$HOME 100%% back\\\\\\\\slash";
    const std::string plain = scratch / "Quelm \"Demo\" $HOME 100% back\\\\slash";
    EXPECT_EQ(ReadTestFile(path), "[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Quelm Launcher\n"
                                  "Comment=Starts the game launcher in " +
                                      plain +
                                      "\n"
                                      "Exec=\"" +
                                      Program() + "\" --game-dir \"" + quoted +
                                      "\"\n"
                                      "Path=" +
                                      plain +
                                      "\n"
                                      "Icon=quelm-launcher\n"
                                      "Terminal=false\n"
                                      "Categories=Game;\n");

    // Without XDG_DATA_HOME the entry goes below the home folder, replacing an older one.
    const std::string home = scratch / "home";
    const std::string old = home + "/.local/share/applications/quelm-launcher.desktop";
    fs::create_directories(fs::path(old).parent_path());
    std::ofstream(old) << "old";
    EXPECT_EQ(RunProgram({BuiltLauncher(), "--game-dir", game, "--install-menu-entry"},
                         scratch.Path(), {{"XDG_DATA_HOME", ""}, {"HOME", home}})
                  .Status,
              0);
    EXPECT_NE(ReadTestFile(old).find("\nPath=" + plain + "\n"), std::string::npos);
}

TEST(MenuEntry, WhatCannotBeWrittenIsReportedAndTheOldEntryKept) {
    TTempFolder scratch;
    // A data folder that is a file: nothing can go below it.
    const std::string blocked = scratch.Write("data", "not a folder");
    const TRunResult run = RunProgram({BuiltLauncher(), "--install-menu-entry"}, scratch.Path(),
                                      {{"XDG_DATA_HOME", blocked}});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err.rfind("launcher: cannot add the menu entry: ", 0), 0u) << run.Err;
    EXPECT_EQ(ReadTestFile(blocked), "not a folder");

    // A folder name that is not UTF-8 cannot be held by a desktop entry.
    const std::string entry = scratch / "ok/applications/quelm-launcher.desktop";
    fs::create_directories(fs::path(entry).parent_path());
    std::ofstream(entry) << "kept";
    const std::string latin1 = scratch / "Jogo S\xe3o Paulo";
    fs::create_directories(latin1);
    const TRunResult bad = RunProgram({BuiltLauncher(), "--install-menu-entry"}, latin1,
                                      {{"XDG_DATA_HOME", scratch / "ok"}});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find("not UTF-8"), std::string::npos) << bad.Err;
    EXPECT_EQ(ReadTestFile(entry), "kept");
}

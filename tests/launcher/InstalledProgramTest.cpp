// cmake --install into a scratch prefix: the program, its menu entry, icon and
// skin folders in the XDG places, and the installed program running.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "RunProgram.h"
#include "TempFolder.h"
#include "platform/PngFile.h"

namespace fs = std::filesystem;

namespace {

const std::string Version = "Launcher 1.2\n";

void WriteDemoGame(const std::string& folder) {
    fs::create_directories(folder);
    fs::copy(std::string(QUELM_SOURCE_DIR) + "/demo/launch.ini", folder + "/launch.ini");
}

} // namespace

TEST(InstalledProgram, LandsInTheXdgPlacesAndRunsLikeTheBuiltOne) {
    TTempFolder scratch;
    const std::string prefix = scratch / "prefix";
    const TRunResult install = RunProgram(
        {QUELM_CMAKE_COMMAND, "--install", QUELM_BINARY_DIR, "--prefix", prefix}, scratch.Path());
    ASSERT_EQ(install.Status, 0) << install.Out << install.Err;

    const std::string program = prefix + "/bin/quelm-launcher";
    EXPECT_EQ(fs::status(program).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
    const std::string entry = ReadTestFile(prefix + "/share/applications/quelm-launcher.desktop");
    for (const char* line : {"[Desktop Entry]\n", "\nType=Application\n", "\nExec=quelm-launcher\n",
                             "\nIcon=quelm-launcher\n", "\nCategories=Game;\n"})
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string n = std::to_string(size);
        TRegion opaque;
        const TPixels icon = ReadPng(
            prefix + "/share/icons/hicolor/" + n + "x" + n + "/apps/quelm-launcher.png", &opaque);
        EXPECT_EQ(icon.Width(), size);
        EXPECT_EQ(icon.Height(), size);
        // A rounded tile: see-through corners, a solid middle.
        EXPECT_FALSE(opaque.Contains({0, 0})) << size;
        EXPECT_TRUE(opaque.Contains({size / 2, size / 2})) << size;
    }
    // Every skin folder of the source tree goes along; the folder is there even without one.
    const fs::path skins = prefix + "/share/quelm-launcher/skins";
    EXPECT_TRUE(fs::is_directory(skins));
    const fs::path sourceSkins = std::string(QUELM_SOURCE_DIR) + "/skins";
    if (fs::is_directory(sourceSkins)) {
        for (const auto& skin : fs::directory_iterator(sourceSkins))
            EXPECT_TRUE(fs::exists(skins / skin.path().filename())) << skin.path();
    }

    const TRunResult version = RunProgram({program, "--version"}, scratch.Path());
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, Version);
    const std::string game = scratch / "game";
    WriteDemoGame(game);
    const TEnvironment env = {{"QUELM_REGISTRY", scratch / "registry.reg"}};
    const TRunResult installed =
        RunProgram({program, "--game-dir", game, "--screenshot", "installed"}, scratch.Path(), env);
    const TRunResult built = RunProgram(
        {BuiltLauncher(), "--game-dir", game, "--screenshot", "built"}, scratch.Path(), env);
    EXPECT_EQ(installed.Status, 0) << installed.Err;
    EXPECT_EQ(installed.Out, built.Out);
    for (const char* form : {"Form1.png", "Form2.png", "Form3.png"}) {
        const TPixels a = ReadPng(scratch / "installed/" + form);
        const TPixels b = ReadPng(scratch / "built/" + form);
        ASSERT_EQ(a.Width(), b.Width()) << form;
        ASSERT_EQ(a.Height(), b.Height()) << form;
        for (int y = 0; y < a.Height(); ++y)
            ASSERT_EQ(0, std::memcmp(a.ScanLine(y), b.ScanLine(y), a.Width() * 3)) << form << y;
    }
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include "platform/services/FindWine.h"
#include "platform/services/PeMachine.h"
#include "tests/TempFolder.h"

namespace {

// PATH and WINE as the test sets them; restored after.
class WineDiscovery : public testing::Test {
protected:
    void SetUp() override {
        FOldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        unsetenv("WINE");
    }
    void TearDown() override {
        setenv("PATH", FOldPath.c_str(), 1);
        unsetenv("WINE");
    }
    std::string Program(const std::string& name) const {
        std::filesystem::create_directories(std::filesystem::path(FDir / name).parent_path());
        const std::string path = FDir.Write(name, "#!/bin/sh\n");
        chmod(path.c_str(), 0755);
        return path;
    }
    TTempFolder FDir;
    std::string FOldPath;
};

// An "MZ" file whose header points at offset to "PE\0\0" and the machine.
std::string Executable(uint32_t offset, uint16_t machine, size_t size = 0x100) {
    std::string bytes(std::max<size_t>(size, 2), '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    auto put = [&](size_t at, uint64_t v, int n) {
        for (int i = 0; i < n && at + i < bytes.size(); ++i)
            bytes[at + i] = static_cast<char>(v >> (8 * i));
    };
    put(0x3c, offset, 4);
    put(offset, 0x4550, 4); // "PE\0\0"
    put(offset + 4, machine, 2);
    return bytes;
}

} // namespace

TEST_F(WineDiscovery, FollowsTheOrderWineVariablePathThenInstallPlaces) {
    const std::vector<std::string> places = {FDir / "usr/lib/wine/wine64", FDir / "opt/bin/wine"};
    setenv("PATH", (FDir / "nothing").c_str(), 1);
    EXPECT_EQ(FindWine(places), "");
    const std::string late = Program("opt/bin/wine");
    EXPECT_EQ(FindWine(places), late);
    const std::string early = Program("usr/lib/wine/wine64");
    EXPECT_EQ(FindWine(places), early);

    const std::string wine64 = Program("path2/wine64");
    setenv("PATH", (FDir / "path1:" + FDir / "path2").c_str(), 1);
    EXPECT_EQ(FindWine(places), wine64);
    const std::string wine = Program("path2/wine");
    EXPECT_EQ(FindWine(places), wine);

    const std::string chosen = Program("custom/my-wine");
    setenv("WINE", chosen.c_str(), 1);
    EXPECT_EQ(FindWine(places), chosen);
    setenv("WINE", "my-wine", 1); // a name is looked up on PATH
    EXPECT_EQ(FindWine(places), wine);
    setenv("PATH", (FDir / "custom").c_str(), 1);
    EXPECT_EQ(FindWine(places), chosen);
    setenv("WINE", (FDir / "gone").c_str(), 1);
    EXPECT_EQ(FindWine(places), early);
}

TEST(PeMachine, ReadsTheMachineAndSurvivesBrokenHeaders) {
    TTempFolder dir;
    const std::pair<std::string, TPeMachine> cases[] = {
        {Executable(0x80, 0x014c), TPeMachine::pmI386},
        {Executable(0x80, 0x8664), TPeMachine::pmAmd64},
        {Executable(0x80, 0xaa64), TPeMachine::pmOther},
        {Executable(0xfa, 0x8664, 0x100), TPeMachine::pmAmd64}, // ends right after
        {Executable(0xfb, 0x8664, 0x100), TPeMachine::pmDos},   // one byte short
        {Executable(0xffffffff, 0x8664), TPeMachine::pmDos},
        {Executable(0x80000000, 0x8664), TPeMachine::pmDos},
        {Executable(0x3c, 0x8664), TPeMachine::pmDos}, // the pointer is its own signature
        {"MZ", TPeMachine::pmDos},
        {"MZ\x90", TPeMachine::pmDos},
        {"M", TPeMachine::pmNone},
        {"\x7f"
         "ELF\x02\x01\x01",
         TPeMachine::pmNone},
        {"", TPeMachine::pmNone},
    };
    int n = 0;
    for (const auto& [bytes, machine] : cases) {
        const std::string path = dir.Write("p" + std::to_string(n++) + ".exe", bytes);
        EXPECT_EQ(ReadPeMachine(path), machine) << n;
    }
    EXPECT_EQ(ReadPeMachine(dir.Path()), TPeMachine::pmNone);
    EXPECT_EQ(ReadPeMachine(dir / "missing.exe"), TPeMachine::pmNone);
}

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/services/WineStartCheck.h"
#include "tests/TempFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr uint16_t kI386 = 0x014c;
constexpr uint16_t kAmd64 = 0x8664;

// The smallest Windows program header: "MZ", the offset at 0x3c, "PE\0\0"
// and the machine.
std::string PeHeader(uint16_t machine) {
    std::string bytes(0x90, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    bytes[0x3c] = 0x80;
    bytes.replace(0x80, 4, std::string("PE\0\0", 4));
    bytes[0x84] = static_cast<char>(machine & 0xff);
    bytes[0x85] = static_cast<char>(machine >> 8);
    return bytes;
}

// A Wine install in a scratch folder, found through $WINE; PATH and WINE
// are restored after.
class WineStartCheck : public testing::Test {
protected:
    void SetUp() override {
        FOldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (FDir / "nowhere").c_str(), 1);
        fs::create_directories(FDir / "wine/bin");
        Wine = FDir.Write("wine/bin/wine", "#!/bin/sh\n");
        chmod(Wine.c_str(), 0755);
        setenv("WINE", Wine.c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", FOldPath.c_str(), 1);
        unsetenv("WINE");
    }
    TWineProblem Check(uint16_t machine, const std::string& prefix = "/nonexistent") {
        const std::string game = FDir.Write("main.exe", PeHeader(machine));
        return CheckWineStart(game, prefix, {{}, {}}).Problem;
    }
    TTempFolder FDir;
    std::string Wine;
    std::string FOldPath;
};

} // namespace

TEST_F(WineStartCheck, WhatKeepsAWindowsGameFromStarting) {
    EXPECT_EQ(CheckWineStart(FDir.Write("script", "#!/bin/sh\n"), "/x", {{}, {}}).Problem,
              TWineProblem::wpNone); // not a Windows program: nothing to ask
    EXPECT_EQ(Check(kAmd64), TWineProblem::wpNone);
    EXPECT_EQ(Check(kI386), TWineProblem::wpNo32BitWine);
    // The 32-bit Windows side beside the install, or a 32-bit loader, is support.
    fs::create_directories(FDir / "wine/lib/wine/i386-windows");
    FDir.Write("wine/lib/wine/i386-windows/ntdll.dll", "MZ");
    EXPECT_EQ(Check(kI386), TWineProblem::wpNone);
    fs::remove_all(FDir / "wine/lib");
    FDir.Write("wine/bin/wine", std::string("\x7f"
                                            "ELF\x01",
                                            5));
    EXPECT_EQ(Check(kI386), TWineProblem::wpNone);
    FDir.Write("wine/bin/wine", std::string("\x7f"
                                            "ELF\x02",
                                            5));
    EXPECT_EQ(Check(kI386), TWineProblem::wpNo32BitWine);
    // The system's folders count too.
    fs::create_directories(FDir / "system/i386-windows");
    FDir.Write("system/i386-windows/ntdll.dll", "MZ");
    EXPECT_TRUE(HasWine32Support(Wine, {FDir / "system"}));

    unsetenv("WINE");
    EXPECT_EQ(Check(kAmd64), TWineProblem::wpNoWine);
}

TEST_F(WineStartCheck, APrefixOfAnotherUserIsNamedWithItsOwner) {
    const std::string prefix = FDir / "prefix";
    fs::create_directory(prefix);
    EXPECT_EQ(Check(kAmd64, prefix), TWineProblem::wpNone);
    if (getuid() != 0) GTEST_SKIP() << "giving a folder to another user needs root";
    ASSERT_EQ(chown(prefix.c_str(), 65534, 65534), 0);
    EXPECT_EQ(Check(kAmd64, prefix), TWineProblem::wpForeignPrefix);
    const TWineCheck check = CheckPrefixOwner(prefix);
    EXPECT_EQ(check.Prefix, prefix);
    EXPECT_FALSE(check.Owner.empty());
}

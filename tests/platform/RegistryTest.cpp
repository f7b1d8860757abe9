#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/services/TRegistry.h"
#include "tests/TempFolder.h"

namespace {

constexpr const char* kConfig = "Software\\Korvan\\Quelm\\Config";

class Registry : public testing::Test {
protected:
    void SetUp() override { SetRegistryStorePath(FDir / "cfg/registry.reg"); }
    void TearDown() override { SetRegistryStorePath({}); }
    std::string Store() const { return FDir.Read("cfg/registry.reg"); }
    void SetStore(std::string_view text) const {
        std::filesystem::create_directories(FDir / "cfg");
        FDir.Write("cfg/registry.reg", text);
    }
    TTempFolder FDir;
};

std::string ValueName(int writer, int i) {
    char name[32];
    std::snprintf(name, sizeof name, "V%d_%d", writer, i);
    return name;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST_F(Registry, GameSettingsRoundTrip) {
    TRegistry reg;
    ASSERT_FALSE(reg.OpenKey(kConfig, false));
    ASSERT_TRUE(reg.OpenKey(kConfig, true));
    EXPECT_EQ(Store(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\n\n");
    EXPECT_FALSE(reg.ValueExists("Resolution"));
    reg.WriteString("ID", "Jo\u00E3o \"\\o/\"");
    reg.WriteInteger("MusicOnOff", 1);
    reg.WriteInteger("Resolution", -1);
    reg.WriteInteger("VolumeLevel", 10);
    reg.CloseKey();
    EXPECT_EQ(Store(), "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\n"
                       "\"ID\"=\"Jo\u00E3o \\\"\\\\o/\\\"\"\n"
                       "\"MusicOnOff\"=dword:00000001\n"
                       "\"Resolution\"=dword:ffffffff\n"
                       "\"VolumeLevel\"=dword:0000000a\n\n");

    TRegistry again;
    ASSERT_TRUE(again.OpenKey("software\\KORVAN\\quelm\\config\\", false));
    EXPECT_TRUE(again.KeyExists("\\Software\\Korvan"));
    EXPECT_TRUE(again.ValueExists("resolution"));
    EXPECT_EQ(again.ReadString("ID"), "Jo\u00E3o \"\\o/\"");
    EXPECT_EQ(again.ReadInteger("Resolution"), -1);
    EXPECT_EQ(again.ReadInteger("VolumeLevel"), 10);
    EXPECT_EQ(again.ReadString("Nothing"), "");
}

TEST_F(Registry, ErrorsReadTheWayWindowsProgramsReportThem) {
    TRegistry reg;
    reg.OpenKey(kConfig, true);
    reg.WriteInteger("Resolution", 2);
    reg.WriteString("ID", "x");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("MusicOnOff"); }),
              "Failed to get data for 'MusicOnOff'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("ID"); }), "Invalid data type for 'ID'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("Resolution"); }), "Invalid data type for 'Resolution'");
    reg.CloseKey();
    EXPECT_EQ(ErrorOf([&] { reg.WriteInteger("X", 1); }), "Failed to set data for 'X'");
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("X"); }), "Failed to get data for 'X'");
}

TEST_F(Registry, EverythingElseInTheFileIsKeptAsItWas) {
    const std::string before =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "; kept comment\r\n"
        "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
        "@=\"default\"\r\n"
        "\"Path\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,00,00\r\n"
        "\"Blob\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
        "  16,17\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Korvan\\Quelm\\Config]\r\n"
        "\"ID\"=\"old\"\r\n"
        "\"Odd\"=hex(b):01,00,00,00,00,00,00,00\r\n\r\n";
    SetStore(before);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Other", false));
    EXPECT_EQ(reg.ReadString(""), "default");
    EXPECT_EQ(reg.ReadString("Path"), "%HOME%");
    reg.OpenKey("\\Software\\Korvan\\Quelm\\Config", false);
    reg.WriteString("ID", "line one\nline two");
    reg.WriteInteger("Resolution", 3);
    std::string expected = before;
    expected.replace(expected.find("\"ID\"=\"old\""), 10,
                     "\"ID\"=hex(1):6c,00,69,00,6e,00,65,00,20,00,6f,00,6e,00,65,00,0a,00,6c,00,69,"
                     "00,\\\r\n  6e,00,65,00,20,00,74,00,77,00,6f,00,00,00");
    expected.insert(expected.rfind("\r\n\r\n") + 2, "\"Resolution\"=dword:00000003\r\n");
    EXPECT_EQ(Store(), expected);
    EXPECT_EQ(reg.ReadString("ID"), "line one\nline two");
}

TEST_F(Registry, AnUnparsableFileIsReportedAndNeverWritten) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"[HKEY_CURRENT_USER\\X]\n",
         "line 1: not a registry file (the first line must be REGEDIT4)"},
        {"REGEDIT4\n\"A\"=\"x\"\n", "line 2: value before the first key"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"unclosed\n",
         "line 3: text without closing quote"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=dword:123456789\n",
         "line 3: dword needs 1 to 8 hex digits"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=hex:01,\\\n  0g\n", "line 3: bad hex byte"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\X\n", "line 2: key line without ']'"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\X]\nA=1\n", "line 3: unrecognised line"},
    };
    for (const auto& c : cases) {
        SetStore(c.text);
        const std::string where = RegistryStorePath() + " " + c.error;
        TRegistry reg;
        EXPECT_EQ(ErrorOf([&] { reg.OpenKey(kConfig, true); }), where);
        EXPECT_EQ(Store(), c.text);
    }
    // Opened before the file went bad: the write is refused, the file stays.
    SetStore("REGEDIT4\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kConfig, true));
    SetStore("garbage\n");
    EXPECT_NE(ErrorOf([&] { reg.WriteString("ID", "x"); }).find("line 1: not a registry file"),
              std::string::npos);
    EXPECT_EQ(Store(), "garbage\n");
}

TEST_F(Registry, WritesReplaceTheFileAtomically) {
    TRegistry reg;
    reg.OpenKey(kConfig, true);
    reg.WriteInteger("A", 1);
    struct stat before {
    }, after{};
    stat((FDir / "cfg/registry.reg").c_str(), &before);
    reg.WriteInteger("A", 2);
    stat((FDir / "cfg/registry.reg").c_str(), &after);
    EXPECT_NE(before.st_ino, after.st_ino); // a new file renamed over the old one

    // The temporary file cannot be made: the old file stays whole, nothing is left over.
    const std::string stored = Store();
    std::filesystem::create_directory(FDir / ("cfg/registry.reg.tmp" + std::to_string(getpid())));
    try {
        reg.WriteInteger("A", 3);
        FAIL() << "write did not fail";
    } catch (const ERegistryWriteError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'A'");
        EXPECT_NE(e.Reason().find("Is a directory"), std::string::npos) << e.Reason();
    }
    EXPECT_EQ(Store(), stored);
    EXPECT_EQ(reg.ReadInteger("A"), 2);
}

TEST_F(Registry, TwoProgramsWritingAtOnceLoseNothing) {
    TRegistry reg;
    reg.OpenKey(kConfig, true);
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        if (children[c] == 0) {
            TRegistry mine;
            mine.OpenKey(kConfig, false);
            for (int i = 0; i < 25; ++i)
                mine.WriteInteger(ValueName(c, i), i);
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(reg.ReadInteger(ValueName(c, i)), i);
}

#include "WinePrefixFixture.h"

#include <sys/stat.h>

#include "platform/services/WineServer.h"

using WineEndToEnd = WinePrefixFixture;

namespace {

// "João Ñandú" with an accent the player types in the login field.
const char* const kAccentedLogin = "Jo\u00e3o \u00d1and\u00fa";
const char* const kAccentedLoginPercent = "Jo%C3%A3o%20%C3%91and%C3%BA";

const std::string kConfigHeader = "[Software\\\\Korvan\\\\Quelm\\\\Config]";

// The text without the lines of the settings key, and also without the
// blank line before them: the file with the key taken out again, whichever
// side of it the writer put the blank line that parts keys.
std::vector<std::string> WithoutConfigBlock(const std::string& text) {
    const size_t at = text.find("\n" + kConfigHeader);
    if (at == std::string::npos) return {text};
    // The line end of the key's last line.
    const size_t end = std::min(text.find("\n\n", at + 1), text.size() - 1);
    return {text.substr(0, at + 1) + text.substr(end + 1),
            text.substr(0, at) + text.substr(end + 1)};
}

} // namespace

TEST_F(WineEndToEnd, PlayStartsTheClientWithTheValuesJustApplied) {
    CreateLauncher();
    Type("sEdit1", kAccentedLogin);
    Check("sCheckBox1", true);
    Check("sCheckBox2", false);
    Choose("sComboBox1", 3);
    Choose("sComboBox2", 1);
    Slide("sTrackBar1", 6);
    ClearMessageBoxLog();
    Click("Form2.sButton1"); // no Wine server runs: user.reg is edited in place
    EXPECT_FALSE(Form2->ApplyRunning());
    EXPECT_FALSE(Form2->Visible());
    Click("Form1.sButton1");
    EXPECT_TRUE(BoxTexts().empty());
    const std::string out = WaitForClient();
    EXPECT_NE(out.find("args=connect /u10.0.0.7 /p44405\n"), std::string::npos) << out;
    EXPECT_EQ(LastValues(out),
              (std::vector<std::string>{std::string("ID=") + kAccentedLogin, "MusicOnOff=0",
                                        "SoundOnOff=1", "ColorDepth=1", "Resolution=3",
                                        "VolumeLevel=6"}));
}

TEST_F(WineEndToEnd, WhatTheClientSavedShowsInTheDialog) {
    const TRunResult set = RunClient({"set", kAccentedLoginPercent, "1", "0", "1", "2", "9"});
    ASSERT_EQ(set.ExitCode, 0) << set.Output;
    WaitForWineServer(); // Wine saves user.reg when its server ends
    CreateLauncher();
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Text("sEdit1"), kAccentedLogin);
    EXPECT_TRUE(Checked("sCheckBox2"));
    EXPECT_FALSE(Checked("sCheckBox1"));
    EXPECT_EQ(ItemIndex("sComboBox2"), 1);
    EXPECT_EQ(ItemIndex("sComboBox1"), 2);
    EXPECT_EQ(Position("sTrackBar1"), 9);
}

TEST_F(WineEndToEnd, ApplyWhileTheClientRunsReachesItThroughWine) {
    TChildProcess client(FindWine(), {FindWine(), "main.exe", "watch"});
    ASSERT_TRUE(client.Started()) << client.StartError();
    WaitForClient("watching");
    ASSERT_TRUE(WineServerRunning(Prefix));
    CreateLauncher();
    Form2->Show();
    const std::string caption = Form2->Caption();
    Type("sEdit1", kAccentedLogin);
    Check("sCheckBox2", true);
    Slide("sTrackBar1", 4);
    const std::string userRegBefore = ReadTestFile(Prefix + "/user.reg");
    ClearMessageBoxLog();
    Click("Form2.sButton1");
    // Working in the background: the window answers, Apply waits its turn.
    EXPECT_TRUE(Form2->ApplyRunning());
    EXPECT_FALSE(Find("Form2.sButton1")->Enabled());
    EXPECT_EQ(Form2->Caption(), caption + " - gravando...");
    WaitForApply();
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
    EXPECT_FALSE(Form2->Visible());
    EXPECT_EQ(Form2->Caption(), caption);
    EXPECT_TRUE(Find("Form2.sButton1")->Enabled());
    EXPECT_EQ(ReadTestFile(Prefix + "/user.reg"), userRegBefore); // not behind Wine's back
    std::ofstream(Folder / "reread") << "";
    const std::string out = WaitForClient();
    EXPECT_EQ(LastValues(out),
              (std::vector<std::string>{std::string("ID=") + kAccentedLogin, "MusicOnOff=1",
                                        "SoundOnOff=0", "ColorDepth=0", "Resolution=0",
                                        "VolumeLevel=4"}));
    while (client.Running())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

TEST_F(WineEndToEnd, FirstApplyMakesTheMissingPrefixThenWritesIt) {
    Prefix = (Folder / "new-prefix").string();
    setenv("WINEPREFIX", Prefix.c_str(), 1);
    UseSettingsLocation(ChooseSettingsLocation(Unit1::ClientFile));
    CreateLauncher();
    Form2->Show();
    Type("sEdit1", "novo");
    ClearMessageBoxLog();
    Click("Form2.sButton1");
    EXPECT_TRUE(Form2->ApplyRunning());
    EXPECT_EQ(Form2->Caption(), "Configurações - preparando o Wine...");
    WaitForApply();
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
    EXPECT_FALSE(Form2->Visible());
    const TRunResult read = RunClient({"connect"});
    EXPECT_EQ(LastValues(read.Output),
              (std::vector<std::string>{"ID=novo", "MusicOnOff=0", "SoundOnOff=0", "ColorDepth=0",
                                        "Resolution=0", "VolumeLevel=0"}));
}

TEST_F(WineEndToEnd, ApplyKeepsTheRestOfUserRegByteForByte) {
    // Keys, comments and values of kinds the launcher never writes, after
    // what Wine made.
    const std::string extra = "\n;; a comment of someone who edited this by hand\n"
                              "[Software\\\\Outro \\xe9\\\\Jogo] 1700000000\n"
                              "#time=1d6a1b2c3d4e5f6\n"
                              "@=\"default \\\"quoted\\\" \\\\ \\x263a\\n\"\n"
                              "\"Multi\"=str(7):\"um\\0dois\\0\"\n"
                              "\"Path\"=str(2):\"%USERPROFILE%\\\\x\"\n"
                              "\"Blob\"=hex:00,ff,10,\\\n  20,30\n"
                              "\"Big\"=hex(b):01,00,00,00,00,00,00,80\n";
    std::ofstream(Prefix + "/user.reg", std::ios::app) << extra;
    const std::string before = ReadTestFile(Prefix + "/user.reg");
    CreateLauncher();
    Type("sEdit1", kAccentedLogin);
    Click("Form2.sButton1");
    const std::string after = ReadTestFile(Prefix + "/user.reg");
    EXPECT_NE(after.find(kConfigHeader), std::string::npos);
    const auto taken = WithoutConfigBlock(after);
    EXPECT_TRUE(taken[0] == before || taken[1] == before) << after;
    // Wine itself reads the file we wrote.
    const TRunResult read = RunClient({"connect"});
    ASSERT_FALSE(LastValues(read.Output).empty()) << read.Output;
    EXPECT_EQ(LastValues(read.Output)[0], std::string("ID=") + kAccentedLogin);
}

TEST_F(WineEndToEnd, AnUnparsableUserRegIsReportedAndNeverOverwritten) {
    std::ofstream(Prefix + "/user.reg", std::ios::app)
        << "\n[Software\\\\Broken] 1700000000\n\"Value\"=dword:not-a-number\n";
    const std::string before = ReadTestFile(Prefix + "/user.reg");
    CreateLauncher();
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_NE(MessageBoxLog()[0].Text.find("user.reg"), std::string::npos)
        << MessageBoxLog()[0].Text;
    Form2->Show();
    ClearMessageBoxLog();
    Click("Form2.sButton1");
    EXPECT_TRUE(Form2->Visible());
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
    EXPECT_EQ(ReadTestFile(Prefix + "/user.reg"), before);
}

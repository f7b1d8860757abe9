#include "LauncherFixture.h"

#include <ctime>
#include <utime.h>

using GameStart = HeadlessLauncher;

namespace {
const char* const MissingClient = "Um dos arquivos vitais para o jogo está faltando.";
}

TEST_F(GameStart, PlayStartsTheClientWithAddressAndPort) {
    WriteFullIni("0");
    WriteAllSettings();
    WriteClient(Folder / "main.exe", Folder / "runs.log");
    CreateLauncher();
    EXPECT_EQ(Unit1::GameCommandLine(), "main.exe connect /u10.0.0.7 /p44405");
    Click("Form1.sButton1");
    Click("Form1.sButton1"); // two quick clicks start two clients
    const auto runs = Runs(Folder / "runs.log", 2);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<std::string>{"connect", "/u10.0.0.7", "/p44405"}));
    EXPECT_EQ(runs[1], runs[0]);
    EXPECT_TRUE(MessageBoxLog().empty());
}

TEST_F(GameStart, AddressIsPassedVerbatim) {
    for (const char* ip : {"1.2.3.4 extra", ""}) {
        SCOPED_TRACE(ip);
        fs::remove(Folder / "runs.log");
        WriteIni(std::string("IP=") + ip + "\r\nlang=0\r\n");
        WriteAllSettings();
        WriteClient(Folder / "main.exe", Folder / "runs.log");
        CreateLauncher();
        Click("Form1.sButton1");
        const auto runs = Runs(Folder / "runs.log", 1);
        ASSERT_EQ(runs.size(), 1u);
        if (*ip)
            EXPECT_EQ(runs[0],
                      (std::vector<std::string>{"connect", "/u1.2.3.4", "extra", "/p44405"}));
        else
            EXPECT_EQ(runs[0], (std::vector<std::string>{"connect", "/u", "/p44405"}));
        DestroyLauncher();
    }
}

TEST_F(GameStart, MissingClientIsReportedAndNothingStarts) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Click("Form1.sButton1"); // no file
    fs::create_directory(Folder / "main.exe");
    Click("Form1.sButton1"); // a directory of that name
    fs::remove(Folder / "main.exe");
    WriteClient(Folder / "main.exe", Folder / "runs.log");
    utimbuf old{315532800 - 86400, 315532800 - 86400}; // the last day of 1979
    ASSERT_EQ(utime((Folder / "main.exe").c_str(), &old), 0);
    Click("Form1.sButton1"); // a time a DOS date cannot hold
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>(3, MissingClient)));
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Launcher 1.2");
    EXPECT_FALSE(MessageBoxLog()[0].StopIcon);
    EXPECT_FALSE(fs::exists(Folder / "runs.log"));
}

TEST_F(GameStart, ClientIsLookedUpInTheWorkingFolder) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    // A client beside the program but not in the working folder does not count.
    fs::create_directory(Folder / "elsewhere");
    WriteClient(Folder / "elsewhere" / "main.exe", Folder / "runs.log");
    Click("Form1.sButton1");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{MissingClient}));
    fs::current_path(Folder / "elsewhere");
    Click("Form1.sButton1");
    EXPECT_EQ(Runs(Folder / "runs.log", 1).size(), 1u);
}

TEST_F(GameStart, AClientThatCannotStartIsExplained) {
    WriteFullIni("0");
    WriteAllSettings();
    std::ofstream(Folder / "main.exe") << "not a program";
    fs::permissions(Folder / "main.exe", fs::perms::owner_read | fs::perms::owner_write);
    CreateLauncher();
    Click("Form1.sButton1");
    ASSERT_EQ(MessageBoxLog().size(), 1u);
    EXPECT_FALSE(MessageBoxLog()[0].Text.empty());
    EXPECT_NE(MessageBoxLog()[0].Text, MissingClient);
}

TEST_F(GameStart, ButtonsShowDialogsAndExitCloses) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Click("sButton3");
    EXPECT_TRUE(Form2->Visible());
    Click("Form1.sButton2");
    EXPECT_TRUE(Form3->Visible());
    Click("sButton3"); // already open: comes to the front, no second one
    EXPECT_EQ(Host->TopWindow(), Host->Find(Form2->HostWindow()));
    Click("sButton4");
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(GameStart, AboutLinksOpenTheirAddresses) {
    WriteFullIni("0");
    WriteAllSettings();
    // A stand-in for the desktop's opener, first on PATH.
    fs::create_directory(Folder / "bin");
    WriteClient(Folder / "bin" / "xdg-open", Folder / "opened.log");
    const std::string oldPath = getenv("PATH") ? getenv("PATH") : "";
    setenv("PATH", ((Folder / "bin").string() + ":" + oldPath).c_str(), 1);
    CreateLauncher();
    Click("Form1.sButton2");
    Click("sWebLabel2");
    Click("Form3.sWebLabel1");
    const auto runs = Runs(Folder / "opened.log", 2);
    setenv("PATH", oldPath.c_str(), 1);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (std::vector<std::string>{"mailto:equipe@quelm.example"}));
    EXPECT_EQ(runs[1], (std::vector<std::string>{"http://www.quelm.example/"}));
}

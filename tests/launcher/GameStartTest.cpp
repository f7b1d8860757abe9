#include "LauncherFixture.h"

#include <ctime>
#include <unistd.h>
#include <utime.h>

#include "platform/services/WineStartCheck.h"

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

// A Windows client that Wine cannot run here is explained in the launcher's
// language rather than started to nothing.
TEST_F(GameStart, AWindowsClientWineCannotRunIsExplained) {
    WriteFullIni("1");
    WriteAllSettings();
    std::string client(0x90, '\0'); // "MZ", the header at 0x80, "PE", i386
    client.replace(0, 2, "MZ");
    client[0x3c] = static_cast<char>(0x80);
    client.replace(0x80, 6, std::string("PE\0\0\x4c\x01", 6));
    std::ofstream(Folder / "main.exe", std::ios::binary) << client;
    WriteClient(Folder / "wine", Folder / "runs.log"); // a Wine that would record a start
    setenv("WINE", (Folder / "wine").c_str(), 1);
    const std::string oldPrefix = getenv("WINEPREFIX") ? getenv("WINEPREFIX") : "";
    setenv("WINEPREFIX", (Folder / "prefix").c_str(), 1);
    CreateLauncher();
    if (!HasWine32Support((Folder / "wine").string(), WineLibraryRoots())) {
        Click("Form1.sButton1");
        ASSERT_EQ(MessageBoxLog().size(), 1u);
        EXPECT_NE(MessageBoxLog()[0].Text.find("32-bit Windows program"), std::string::npos);
        EXPECT_NE(MessageBoxLog()[0].Text.find("wine32:i386"), std::string::npos);
    }
    client[0x84] = static_cast<char>(0x64); // x86-64
    client[0x85] = static_cast<char>(0x86);
    std::ofstream(Folder / "main.exe", std::ios::binary) << client;
    fs::create_directory(Folder / "prefix");
    if (getuid() == 0 && chown((Folder / "prefix").c_str(), 65534, 65534) == 0) {
        ClearMessageBoxLog();
        Click("Form1.sButton1");
        ASSERT_EQ(MessageBoxLog().size(), 1u);
        EXPECT_NE(MessageBoxLog()[0].Text.find("belongs to another user"), std::string::npos)
            << MessageBoxLog()[0].Text;
        // Apply does not write into it either.
        ClearMessageBoxLog();
        SetRegistryStorePath("");
        UseSettingsLocation(
            TSettingsLocation{TSettingsKind::skWinePrefix, (Folder / "prefix").string(), "test"});
        Click("Form2.sButton1");
        UseSettingsLocation(std::nullopt);
        EXPECT_TRUE(Form2->Visible());
        ASSERT_EQ(MessageBoxLog().size(), 1u);
        EXPECT_FALSE(fs::exists(Folder / "prefix/user.reg"));
    }
    unsetenv("WINE");
    if (oldPrefix.empty())
        unsetenv("WINEPREFIX");
    else
        setenv("WINEPREFIX", oldPrefix.c_str(), 1);
    EXPECT_FALSE(fs::exists(Folder / "runs.log"));
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

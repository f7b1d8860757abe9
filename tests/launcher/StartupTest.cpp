#include "LauncherFixture.h"
#include "WindowGoldens.h"

using Startup = HeadlessLauncher;

TEST_F(Startup, StartupFillsTheMainWindowFromLaunchIni) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    EXPECT_EQ(Application->Title(), "Launcher 1.2");
    EXPECT_EQ(Application->MainForm(), Form1);
    EXPECT_EQ(Form1->Caption(), "Servidor Teste");
    EXPECT_EQ(PanelText("sStatusBar1", 0), "1.2.3");
    EXPECT_EQ(Caption("Form1.sWebLabel1"), "http://site.example/");
    EXPECT_EQ(URL("Form1.sWebLabel1"), "http://site.example/");
    EXPECT_EQ(LocationURL("WebBrowser1"), "http://news.example/");
    EXPECT_EQ(Unit1::ServerIp, "10.0.0.7");
    EXPECT_FALSE(Form2->Visible());
    EXPECT_FALSE(Form3->Visible());
    EXPECT_TRUE(MessageBoxLog().empty());
}

TEST_F(Startup, LanguageSwitch) {
    struct Case {
        const char* lang;
        bool english;
    };
    for (const Case& c : {Case{"1", true}, Case{"01", true}, Case{" 1", true}, Case{"0", false},
                          Case{"2", false}, Case{"-1", false}}) {
        SCOPED_TRACE(c.lang);
        WriteFullIni(c.lang);
        WriteAllSettings();
        CreateLauncher();
        EXPECT_EQ(Caption("Form1.sButton1"), c.english ? "Play" : "Jogar");
        EXPECT_EQ(Caption("Form1.sButton2"), c.english ? "About" : "Sobre");
        EXPECT_EQ(Caption("sButton3"), c.english ? "Options" : "Opções");
        EXPECT_EQ(Caption("sButton4"), c.english ? "Exit" : "Sair");
        EXPECT_EQ(Form2->Caption(), c.english ? "Configuration" : "Configurações");
        EXPECT_EQ(Form3->Caption(), "Sobre");
        EXPECT_TRUE(MessageBoxLog().empty());
        DestroyLauncher();
    }
}

TEST_F(Startup, BadLangStopsBothHandlersWithTheErrorBox) {
    WriteFullIni("abc");
    WriteAllSettings();
    CreateLauncher();
    const std::string text = "'abc' is not a valid integer value.";
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{text, text}));
    EXPECT_EQ(MessageBoxLog()[0].Caption, "Launcher 1.2");
    EXPECT_TRUE(MessageBoxLog()[0].StopIcon);
    // What came before the failing step is set; the news pane stays blank.
    EXPECT_EQ(Form1->Caption(), "Servidor Teste");
    EXPECT_EQ(PanelText("sStatusBar1", 0), "1.2.3");
    EXPECT_EQ(URL("Form1.sWebLabel1"), "http://site.example/");
    EXPECT_EQ(LocationURL("WebBrowser1"), "");
    EXPECT_EQ(Caption("Form1.sButton1"), "Jogar");
}

TEST_F(Startup, MissingIniOnFirstRunGivesThreeBoxesInOrder) {
    CreateLauncher();
    const std::string lang = "'' is not a valid integer value.";
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              lang, "Vá até as Opções e Configre do melhor modo!", lang}));
    EXPECT_FALSE(MessageBoxLog()[1].StopIcon);
    EXPECT_EQ(Form1->Caption(), "");
    EXPECT_EQ(Unit1::ServerIp, "");
}

TEST_F(Startup, IniValuesAreCutAndSectionsMatchExactly) {
    WriteIni("IP=" + std::string(3000, '9') + "\r\nlang=1\r\n");
    WriteAllSettings();
    CreateLauncher();
    EXPECT_EQ(Unit1::ServerIp, std::string(2047, '9'));
    DestroyLauncher();

    // The same keys under a section spelled with other accents are not found.
    WriteIni("IP=1.2.3.4\r\nlang=1\r\n", "Configura\xe7oes");
    CreateLauncher();
    EXPECT_EQ(Unit1::ServerIp, "");
    EXPECT_EQ(Caption("Form1.sButton1"), "Jogar");
}

TEST_F(Startup, WindowsAreCentredOnTheScreen) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    for (TCustomForm* f : LauncherWindows()) {
        EXPECT_EQ(f->Left(), (1024 - f->Width()) / 2) << f->Name();
        EXPECT_EQ(f->Top(), (768 - f->Height()) / 2) << f->Name();
    }
    EXPECT_EQ(Form1->ClientWidth(), 354);
    EXPECT_EQ(Form1->ClientHeight(), 336);
}

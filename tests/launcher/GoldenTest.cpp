// The three windows as a player first sees them, compared pixel by pixel.
// Regenerate deliberately with: make golden

#include "LauncherFixture.h"

#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

using LauncherGolden = HeadlessLauncher;

TEST_F(LauncherGolden, WindowsMatchTheirGoldenImages) {
    // The news page from the game folder, so that the picture does not
    // depend on the net; without a charset it is read as Windows-1252.
    fs::create_directory(Folder / "news");
    std::ofstream(Folder / "news" / "index.html")
        << "<body style=\"font-family: Tahoma; font-size: 11px\"><b>06/12</b> Servidor no ar."
           "<ul><li>Nova vers\xE3o</li></ul></body>";
    WriteIni("Pagina do launcher=news/index.html\r\nWebSite=http://site.example/\r\n"
             "IP=10.0.0.7\r\nversao=1.2.3\r\nnome=Servidor Teste\r\nlang=0\r\n");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    ASSERT_TRUE(Form1->WebBrowser1->WaitUntilLoaded(20'000));
    Application->ProcessMessages();
    Click("sButton3");
    Click("Form1.sButton2");
    for (TCustomForm* f : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2),
                           static_cast<TCustomForm*>(Form3)}) {
        SCOPED_TRACE(f->Name());
        ExpectMatchesGolden(Host->Find(f->HostWindow())->Picture(), "launcher-" + f->Name());
    }
}

// The options dialog while in use: the skinned look of a focused field and of
// a control under the mouse, after their fades have run out.
TEST_F(LauncherGolden, OptionsInUseMatchTheirGoldenImages) {
    constexpr uint64_t FadeDone = 1000;
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    Click("sButton3");
    Click("sEdit1");
    Hover("sComboBox1");
    Wait(FadeDone);
    ExpectMatchesGolden(Host->Find(Form2->HostWindow())->Picture(),
                        "launcher-Form2-edit-focused-combo-hot");
    Click("sTrackBar1");
    Hover("sCheckBox1");
    Wait(FadeDone);
    ExpectMatchesGolden(Host->Find(Form2->HostWindow())->Picture(),
                        "launcher-Form2-trackbar-focused-checkbox-hot");
}

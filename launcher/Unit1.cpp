#include "launcher/Unit1.h"

#include "framework/component/PropertyHelpers.h"

#include "browser/TWebBrowser.h"
#include "controls/TsGauge.h"
#include "controls/TsPanel.h"
#include "controls/TsStatusBar.h"
#include "controls/TsWebLabel.h"
#include "framework/component/SysUtils.h"
#include "framework/forms/TApplication.h"
#include "framework/stdctrls/MessageBox.h"
#include "framework/stdctrls/TButton.h"
#include "launcher/CenterWindow.h"
#include "launcher/FormBinding.h"
#include "launcher/StartupWork.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "launcher/WineTexts.h"
#include "platform/services/FileAge.h"
#include "platform/services/ProgramStart.h"
#include "platform/services/SettingsLocation.h"
#include "platform/services/TIniFile.h"
#include "platform/services/WineStartCheck.h"

extern const char Unit1Definition[];

namespace Unit1 {
std::string PageUrl;
std::string WebSite;
std::string ServerIp;
std::string VersionText;
int32_t Lang = 0;

const char* const LaunchIniPath = "./launch.ini";
const char* const LaunchIniSection = "Configurações";

const char* const ClientFile = "main.exe";

std::string GameCommandLine() {
    return "main.exe connect /u" + ServerIp + " /p44405";
}
} // namespace Unit1

using namespace Unit1;

TForm1* Form1 = nullptr;

namespace {
const char* const MissingClientText = "Um dos arquivos vitais para o jogo está faltando.";
} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

const TClassInfo* TForm1::StaticClassInfo() {
    // The handlers its definition may name.
    static const TClassInfo info =
        MakeClassInfo<TForm1>("TForm1", TForm::StaticClassInfo(), {},
                              {
                                  Method("FormCreate", &TForm1::FormCreate),
                                  Method("sButton1Click", &TForm1::sButton1Click),
                                  Method("sButton2Click", &TForm1::sButton2Click),
                                  Method("sButton3Click", &TForm1::sButton3Click),
                                  Method("sButton4Click", &TForm1::sButton4Click),
                              });
    return &info;
}

const TClassInfo* TForm1::ClassInfo() const {
    return StaticClassInfo();
}

std::string TForm1::DefinitionText() const {
    return Unit1Definition;
}

void TForm1::ReadDefinition() {
    // Parsed ahead with the start-up work when it ran.
    if (!TStartupWork::ReadParsedDefinition(this, DefinitionFileName())) TForm::ReadDefinition();
    BindComponent(this, sPanel1, "sPanel1");
    BindComponent(this, WebBrowser1, "WebBrowser1");
    BindComponent(this, sGauge1, "sGauge1");
    BindComponent(this, sButton1, "sButton1");
    BindComponent(this, sButton2, "sButton2");
    BindComponent(this, sButton3, "sButton3");
    BindComponent(this, sButton4, "sButton4");
    BindComponent(this, sWebLabel1, "sWebLabel1");
    BindComponent(this, sStatusBar1, "sStatusBar1");
}

void TForm1::FormCreate(TObject*) {
    CenterWindow(this);
    const TIniFile ini(LaunchIniPath);
    PageUrl = ini.ReadString(LaunchIniSection, "Pagina do launcher", "");
    WebSite = ini.ReadString(LaunchIniSection, "WebSite", "");
    ServerIp = ini.ReadString(LaunchIniSection, "IP", "");
    VersionText = ini.ReadString(LaunchIniSection, "versao", "");
    SetCaption(ini.ReadString(LaunchIniSection, "nome", ""));
    sStatusBar1->Panels()->Items(0)->SetText(VersionText);
    sWebLabel1->SetCaption(WebSite);
    sWebLabel1->SetURL(WebSite);
    Lang = StrToInt(ini.ReadString(LaunchIniSection, "lang", ""));
    if (Lang == 1) {
        sButton4->SetCaption("Exit");
        sButton2->SetCaption("About");
        sButton3->SetCaption("Options");
        sButton1->SetCaption("Play");
        WebBrowser1->SetLanguage(TBrowserLanguage::blEnglish);
    }
    WebBrowser1->Navigate(PageUrl);
}

void TForm1::sButton1Click(TObject*) {
    if (FileAge(ClientFile) == -1) {
        MessageBox(MissingClientText, Application->Title());
        return;
    }
    // A Windows client that Wine cannot run here would start to nothing.
    if (const TWineCheck wine = CheckWineStart(ClientFile, WinePrefixPath());
        wine.Problem != TWineProblem::wpNone) {
        MessageBox(WineProblemText(wine, Lang), Application->Title());
        return;
    }
    // The client's own fate is its affair; only a start that could not even be
    // attempted is worth telling the player, who would otherwise see nothing.
    const TProgramStart started = StartProgram(GameCommandLine(), SW_SHOWNORMAL);
    if (!started.Started) MessageBox(started.Reason, Application->Title());
}

void TForm1::sButton2Click(TObject*) {
    Form3->Show();
}

void TForm1::sButton3Click(TObject*) {
    Form2->Show();
}

bool TForm1::CloseQuery() {
    if (Form2 && Form2->ApplyRunning()) {
        Form2->WhenApplied([this] { Close(); });
        return false;
    }
    return TForm::CloseQuery();
}

void TForm1::sButton4Click(TObject*) {
    Close();
}

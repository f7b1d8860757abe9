#pragma once
// The main window: news pane, Play, Options, About and Exit, the link to the
// server's web site and the client version in the status bar.

#include <cstdint>
#include <string>

#include "controls/TsButton.h"
#include "framework/forms/TForm.h"

class TsPanel;
class TWebBrowser;
class TsGauge;
class TsWebLabel;
class TsStatusBar;

namespace Unit1 {
// The launcher settings, read once from launch.ini while the main window is
// created and never written back.
extern std::string PageUrl;
extern std::string WebSite;
extern std::string ServerIp;
extern std::string VersionText;
extern int32_t Lang;

// The file the settings come from and its one section.
extern const char* const LaunchIniPath;
extern const char* const LaunchIniSection;
// The game's program in the working folder.
extern const char* const ClientFile;

// "main.exe connect /u" + the server address + " /p44405".
std::string GameCommandLine();
} // namespace Unit1

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    const TClassInfo* ClassInfo() const override;
    static const TClassInfo* StaticClassInfo();
    std::string DefinitionText() const override;
    std::string DefinitionFileName() const override { return "Unit1.dfm"; }
    void ReadDefinition() override;

    TsPanel* sPanel1 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TsGauge* sGauge1 = nullptr;
    TsButton* sButton1 = nullptr;
    TsButton* sButton2 = nullptr;
    TsButton* sButton3 = nullptr;
    TsButton* sButton4 = nullptr;
    TsWebLabel* sWebLabel1 = nullptr;
    TsStatusBar* sStatusBar1 = nullptr;

    void FormCreate(TObject* Sender);
    void sButton1Click(TObject* Sender);
    void sButton2Click(TObject* Sender);
    void sButton3Click(TObject* Sender);
    void sButton4Click(TObject* Sender);

protected:
    // While the options dialog still writes through Wine, the launcher closes
    // only once that write has ended: a Wine killed partway could leave the
    // game's prefix half made and the settings unwritten.
    bool CloseQuery() override;
};

extern TForm1* Form1;

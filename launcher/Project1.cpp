#include "launcher/Project1.h"

#include <cstdio>
#include <filesystem>

#include "browser/TWebBrowser.h"
#include "controls/TsButton.h"
#include "controls/TsCheckBox.h"
#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/TsLabel.h"
#include "controls/TsPanel.h"
#include "controls/TsStatusBar.h"
#include "controls/TsTrackBar.h"
#include "controls/TsWebLabel.h"
#include "frame/TsSkinProvider.h"
#include "framework/component/TClassRegistry.h"
#include "framework/forms/TApplication.h"
#include "framework/graphics/TBitmap.h"
#include "framework/stdctrls/MessageBox.h"
#include "framework/stdctrls/PlainControls.h"
#include "framework/stdctrls/TButton.h"
#include "hints/TsHintManager.h"
#include "launcher/Unit1.h"
#include "launcher/Unit2.h"
#include "launcher/Unit3.h"
#include "platform/CreateHost.h"
#include "platform/PngFile.h"
#include "platform/scaled/TScaledHost.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/SkinFolderLoader.h"

const char* const LauncherTitle = "Launcher 1.2";

namespace {
constexpr unsigned kScreenshotPageWaitMs = 2000;
} // namespace

namespace {
std::unique_ptr<TApplication> TheApplication;
} // namespace

void CreateLauncher() {
    RegisterPlainControls();
    // The real news pane takes the plain stand-in's place in the definitions.
    RegisterClass(TWebBrowser::StaticClassInfo());
    RegisterClass(TsButton::StaticClassInfo());
    RegisterClass(TsWebLabel::StaticClassInfo());
    RegisterClass(TsPanel::StaticClassInfo());
    RegisterClass(TsGroupBox::StaticClassInfo());
    RegisterClass(TsLabel::StaticClassInfo());
    RegisterClass(TsGauge::StaticClassInfo());
    RegisterClass(TsStatusBar::StaticClassInfo());
    RegisterClass(TsEdit::StaticClassInfo());
    RegisterClass(TsComboBox::StaticClassInfo());
    RegisterClass(TsCheckBox::StaticClassInfo());
    RegisterClass(TsTrackBar::StaticClassInfo());
    RegisterClass(TsSkinManager::StaticClassInfo());
    RegisterClass(TsSkinProvider::StaticClassInfo());
    InstallSkinFolderLoader();
    RegisterClass(TsHintManager::StaticClassInfo());
    TheApplication = std::make_unique<TApplication>();
    Application->SetTitle(LauncherTitle);
    Application->CreateForm(&Form1);
    Application->CreateForm(&Form2);
    Application->CreateForm(&Form3);
}

void DestroyLauncher() {
    TheApplication.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
}

int RunLauncher() {
    // The windows, and the threads they keep (the page fetcher's), go before
    // the caller's start-up state does, whatever happens.
    struct TDestroy {
        ~TDestroy() { DestroyLauncher(); }
    } destroy;
    CreateLauncher();
    Application->Run();
    return 0;
}

int RunScreenshots(const char* folder, int scale) {
    SetHost(WithScale(CreateHeadlessHost(), scale));
    // The windows draw at the screen's pixels, so that their text is sharp.
    SetGraphicsScale(scale);
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    // The news pane loads on its own; a screenshot is worth taking once the
    // page and its pictures are in, or after a bounded wait with what came.
    Form1->WebBrowser1->WaitUntilLoaded(kScreenshotPageWaitMs);
    Form1->sButton3Click(Form1->sButton3);
    Form1->sButton2Click(Form1->sButton2);
    Application->ProcessMessages();

    std::filesystem::create_directories(folder);
    const std::filesystem::path dir(folder);
    int status = 0;
    for (TCustomForm* form : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form2),
                              static_cast<TCustomForm*>(Form3)}) {
        const std::string path = (dir / (form->Name() + ".png")).string();
        try {
            // Drawn at the scale, so the picture is what a screen of that scale shows.
            WritePng(path, form->BackBuffer()->Pixels(), nullptr, TPngPacking::ppFast);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "launcher: %s\n", e.what());
            status = 1;
        }
    }
    for (const TMessageBoxRecord& box : MessageBoxLog())
        std::printf("messagebox\t%s\t%s\n", box.Caption.c_str(), box.Text.c_str());
    DestroyLauncher();
    return status;
}

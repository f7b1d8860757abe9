// The launcher's window definitions read with the plain controls, and the
// controls that only show something: status bar, gauge, label, news pane.

#include <sstream>

#include "framework/stdctrls/TButton.h"
#include "framework/stdctrls/TGauge.h"
#include "framework/stdctrls/TLabel.h"
#include "framework/stdctrls/TPlainWebBrowser.h"
#include "framework/stdctrls/TStatusBar.h"
#include "framework/stdctrls/TTrackBar.h"
#include "tests/HeadlessApp.h"

namespace {

std::string LauncherDefinition(const std::string& unit) {
    std::istringstream in(
        ReadTestFile(std::string(QUELM_SOURCE_DIR) + "/launcher/" + unit + ".dfm"));
    // Read into a plain TForm: the form's handlers, the link labels' and the
    // skinned controls' own properties and the skin manager's, frame's and
    // hint manager's blocks belong to higher layers.
    std::string text, line;
    size_t skipIndent = std::string::npos;
    while (std::getline(in, line)) {
        size_t at = line.find_first_not_of(' ');
        std::string body = at == std::string::npos ? "" : line.substr(at);
        if (skipIndent != std::string::npos) {
            if (at == skipIndent && body.rfind("end", 0) == 0) skipIndent = std::string::npos;
            continue;
        }
        if (body.rfind("object ", 0) == 0 && (body.find(": TsSkinManager") != std::string::npos ||
                                              body.find(": TsSkinProvider") != std::string::npos ||
                                              body.find(": TsHintManager") != std::string::npos)) {
            skipIndent = at;
            continue;
        }
        if ((body.rfind("On", 0) == 0 || body.rfind("HoverFont.", 0) == 0 ||
             body.rfind("URL ", 0) == 0 || body.rfind("FocusMargin ", 0) == 0 ||
             body.rfind("SkinData.", 0) == 0) &&
            body.find(" = ") != std::string::npos)
            continue;
        for (const char* cls : {": TForm1", ": TForm2", ": TForm3"})
            if (size_t p = line.find(cls); p != std::string::npos) line.replace(p, 8, ": TForm");
        // Every skinned class stands on the plain class of the same name
        // without its "s"; the link label is a plain label.
        if (size_t p = line.find(": TsWebLabel"); p != std::string::npos)
            line.replace(p, 12, ": TLabel");
        else if (size_t q = line.find(": Ts");
                 q != std::string::npos && body.rfind("object ", 0) == 0)
            line.erase(q + 3, 1);
        text += line + "\n";
    }
    return text;
}

class PlainDefinitionsTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
    }
    template <class T> T* Find(const char* name) const {
        return dynamic_cast<T*>(Form->FindComponent(name));
    }
};

TEST_F(PlainDefinitionsTest, LauncherWindowsRead) {
    Read(LauncherDefinition("Unit1"));
    ASSERT_NE(Find<TButton>("sButton1"), nullptr);
    EXPECT_TRUE(Find<TButton>("sButton1")->Default());
    auto* bar = Find<TStatusBar>("sStatusBar1");
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Panels()->Count(), 2);
    EXPECT_EQ(bar->Panels()->Items(0)->Width(), 145);
    EXPECT_EQ(bar->Panels()->Items(1)->Width(), 50);
    auto* gauge = Find<TGauge>("sGauge1");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->ForeColor(), clBlack);
    EXPECT_EQ(gauge->GaugeText(), "0%");
    EXPECT_FALSE(gauge->Enabled());
    ASSERT_NE(Find<TPlainWebBrowser>("WebBrowser1"), nullptr);
}

TEST_F(PlainDefinitionsTest, OptionsWindowReads) {
    TForm* second = Form;
    Read(LauncherDefinition("Unit2"));
    auto* track = Find<TTrackBar>("sTrackBar1");
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Max(), 10);
    EXPECT_EQ(track->ThumbLength(), 23);
    EXPECT_TRUE(track->ShowHint());
    auto* label = Find<TLabel>("sLabel2");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Alignment(), taRightJustify);
    // Auto-sized, the right-justified label keeps its right edge.
    EXPECT_EQ(label->Left() + label->Width(), 8 + 53);
    EXPECT_EQ(second->ComponentCount(), 14);
}

TEST_F(PlainDefinitionsTest, StatusBarPanelsAndSimpleText) {
    auto* bar = Make<TStatusBar>(0, 0, 300, 19);
    bar->Panels()->Add()->SetWidth(100);
    bar->Panels()->Add()->SetWidth(50);
    bar->Panels()->Items(0)->SetText("Versão 1.2");
    bar->Panels()->Items(1)->SetAlignment(taCenter);
    Show();
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Top(), Form->ClientHeight() - 19);
    EXPECT_EQ(bar->PanelRect(0).Left, 0);
    EXPECT_EQ(bar->PanelRect(1).Left, 100);
    EXPECT_EQ(bar->PanelRect(1).Right, bar->Width() - 2); // the last panel takes the rest
    EXPECT_EQ(bar->Panels()->Items(0)->Text(), "Versão 1.2");
    EXPECT_THROW(bar->Panels()->Items(2), std::out_of_range);
}

TEST_F(PlainDefinitionsTest, GaugeClampsAndRounds) {
    auto* g = Make<TGauge>(0, 0, 100, 18);
    g->SetMaxValue(300);
    g->SetProgress(100);
    EXPECT_EQ(g->GaugeText(), "33%");
    g->SetProgress(1000);
    EXPECT_EQ(g->Progress(), 300);
    g->SetMinValue(300);
    EXPECT_EQ(g->PercentDone(), 0); // an empty range shows no progress
}

TEST_F(PlainDefinitionsTest, BrowserKeepsTheAddress) {
    auto* web = Make<TPlainWebBrowser>(0, 0, 120, 100);
    Show();
    web->Navigate("file:///home/player/game/news/index.html");
    Pump();
    EXPECT_EQ(web->LocationURL(), "file:///home/player/game/news/index.html");
}

} // namespace

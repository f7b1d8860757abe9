// A small form of plain controls compared pixel by pixel with a stored
// picture. On a mismatch the actual picture and a difference picture are
// written beside the test's build output. Regenerate deliberately with
//   UPDATE_GOLDEN=1 build/<dir>/tests/tests_framework --gtest_filter='PlainGolden*'

#include "framework/stdctrls/TButton.h"
#include "framework/stdctrls/TCheckBox.h"
#include "framework/stdctrls/TComboBox.h"
#include "framework/stdctrls/TEdit.h"
#include "framework/stdctrls/TGauge.h"
#include "framework/stdctrls/TGroupBox.h"
#include "framework/stdctrls/TLabel.h"
#include "framework/stdctrls/TPanel.h"
#include "framework/stdctrls/TStatusBar.h"
#include "framework/stdctrls/TTrackBar.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"
#include "tests/HeadlessApp.h"

namespace {

class PlainGoldenTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
    }
    void Compare(const std::string& name) {
        ExpectMatchesGolden(Host->Find(Window())->Picture(), name);
    }
};

TEST_F(PlainGoldenTest, FormOfPlainControls) {
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(10, 10, 260, 200);
    auto* panel = Make<TPanel>(4, 4, 252, 150);
    auto* label = Make<TLabel>(8, 10, 60, 13, panel);
    label->SetCaption("Login:");
    auto* edit = Make<TEdit>(60, 6, 110, 21, panel);
    edit->SetText("jogador");
    auto* group = Make<TGroupBox>(8, 34, 236, 110, panel);
    group->SetCaption("Gráficos");
    auto* combo = Make<TComboBox>(8, 20, 121, 21, group);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetStrings({"640x480", "800x600"});
    combo->SetItemIndex(1);
    auto* check = Make<TCheckBox>(140, 20, 80, 19, group);
    check->SetCaption("Música");
    check->SetChecked(true);
    auto* track = Make<TTrackBar>(8, 48, 100, 33, group);
    track->SetThumbLength(23);
    track->SetPosition(4);
    auto* gauge = Make<TGauge>(120, 54, 100, 18, group);
    gauge->SetProgress(40);
    auto* ok = Make<TButton>(140, 84, 75, 25, group);
    ok->SetCaption("Aplicar");
    ok->SetDefault(true);
    auto* bar = Make<TStatusBar>(0, 0, 260, 19);
    bar->Panels()->Add()->SetWidth(120);
    bar->Panels()->Add()->SetWidth(50);
    bar->Panels()->Items(0)->SetText("Pronto");
    Show();
    Compare("plain-controls");
}

} // namespace

#include "ContainerFixture.h"
#include "controls/TsLabel.h"
#include "controls/TsWebLabel.h"
#include "platform/headless/THeadlessHost.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

namespace {

class ContainerGolden : public ContainerTest {
protected:
    void Expect(const std::string& name) {
        Show();
        auto* host = dynamic_cast<THeadlessHost*>(&::Host());
        ExpectMatchesGolden(host->Find(Form->HostWindow())->Picture(), name);
    }
    TsPanel* Back() { return Place<TsPanel>(Form, {0, 0, 300, 200}); }
};

TEST_F(ContainerGolden, PanelCaptions) {
    Form->SetBounds(10, 10, 320, 150);
    const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        auto* p = Place<TsPanel>(Form, {8, 8 + i * 32, 140, 26});
        p->SetAlignment(alignments[i]);
        p->SetCaption("Opções & mais");
    }
    auto* off = Place<TsPanel>(Form, {160, 8, 140, 90});
    off->SetCaption("Desligado");
    off->SetEnabled(false);
    Expect("panel-captions");
}

TEST_F(ContainerGolden, GroupBoxLayouts) {
    Form->SetBounds(10, 10, 320, 230);
    TsPanel* back = Back();
    const TsCaptionLayout layouts[] = {clTopLeft, clTopCenter, clTopRight};
    for (int i = 0; i < 3; ++i) {
        auto* b = Place<TsGroupBox>(back, {8, 8 + i * 60, 140, 52});
        b->SetCaptionLayout(layouts[i]);
        b->SetCaption(i == 1 ? "Gráficos" : "Audio");
    }
    Place<TsGroupBox>(back, {156, 8, 136, 52});
    auto* skinned = Place<TsGroupBox>(back, {156, 68, 136, 52});
    skinned->SetCaption("Botão");
    skinned->SetCaptionSkin("BUTTON");
    skinned->SetCaptionYOffset(4);
    Expect("groupbox-layouts");
}

TEST_F(ContainerGolden, GaugeStates) {
    Form->SetBounds(10, 10, 360, 170);
    TsPanel* back = Back();
    back->SetWidth(340);
    const int progress[] = {0, 47, 100};
    for (int i = 0; i < 3; ++i) {
        auto* g = Place<TsGauge>(back, {8, 8 + i * 26, 321, 18});
        g->SetProgress(progress[i]);
    }
    auto* off = Place<TsGauge>(back, {8, 86, 160, 18});
    off->SetProgress(30);
    off->SetEnabled(false);
    auto* vertical = Place<TsGauge>(back, {300, 86, 30, 48});
    vertical->SetKind(gkVerticalBar);
    vertical->SetProgress(60);
    auto* classic = Place<TsGauge>(back, {8, 112, 160, 22});
    classic->SkinData()->SetSkinSection("NO SUCH SECTION");
    classic->SetForeColor(clNavy);
    classic->SetProgress(60);
    Expect("gauge-states");
}

TEST_F(ContainerGolden, StatusBars) {
    Form->SetBounds(10, 10, 370, 120);
    auto* two = AddBar(Form, {0, 8, 354, 19}, {145, 50});
    two->Panels()->Items(0)->SetText("Versão 1.2 - Servidor Quelm de teste");
    two->Panels()->Items(1)->SetText("ok");
    auto* grip = AddBar(Form, {0, 36, 354, 19}, {100, 100});
    grip->SetSizeGrip(true);
    grip->Panels()->Items(1)->SetAlignment(taCenter);
    grip->Panels()->Items(1)->SetText("meio");
    auto* simple = AddBar(Form, {0, 64, 354, 19}, {145});
    simple->SetSimplePanel(true);
    simple->SetSimpleText("Texto simples");
    Expect("statusbar-panels");
}

TEST_F(ContainerGolden, Labels) {
    Form->SetBounds(10, 10, 240, 110);
    TsPanel* back = Back();
    auto* label = new TsLabel(Form);
    label->SetParent(back);
    label->SetBounds(8, 8, 10, 10);
    label->SetCaption("Desenvolvido por Quelm");
    for (int i = 0; i < 2; ++i) {
        auto* link = new TsWebLabel(Form);
        link->SetParent(back);
        link->SetBounds(8, 30 + i * 22, 10, 10);
        link->Font()->SetColor(clHighlight);
        link->HoverFont()->SetColor(clWindowText);
        link->HoverFont()->SetStyle(fsUnderline);
        link->SetCaption("http://www.quelm.example/");
        if (i == 1) link->Perform(CM_MOUSEENTER);
    }
    Expect("labels");
}

} // namespace

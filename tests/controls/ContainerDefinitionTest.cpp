#include "SkinnedFixture.h"
#include "controls/TsGauge.h"
#include "controls/TsGroupBox.h"
#include "controls/TsLabel.h"
#include "controls/TsPanel.h"
#include "controls/TsStatusBar.h"
#include "controls/TsWebLabel.h"
#include "framework/component/TClassRegistry.h"

namespace {

class ContainerDefinition : public SkinnedTest {};

const char* const Definition = R"(object Form9: TForm
  object sPanel1: TsPanel
    Left = 8
    Top = 8
    Width = 225
    Height = 289
    Caption = 'Opcoes'
    SkinData.SkinSection = 'PANEL'
    object sGroupBox1: TsGroupBox
      Left = 16
      Top = 64
      Width = 193
      Height = 97
      Caption = 'Graficos'
      CaptionLayout = clTopCenter
      CaptionYOffset = 3
      CaptionSkin = 'BUTTON'
      object sLabel2: TsLabel
        Left = 8
        Top = 28
        Width = 53
        Height = 13
        Alignment = taRightJustify
        Caption = 'Resolucao:'
        Font.Height = -11
        Font.Name = 'Tahoma'
      end
    end
    object sGauge1: TsGauge
      Left = 8
      Top = 232
      Width = 209
      Height = 18
      Enabled = False
      ForeColor = clBlack
      Progress = 0
      Suffix = '%'
      BorderStyle = bsNone
      Kind = gkVerticalBar
      ProgressSkin = 'PROGRESSV'
      ShowText = False
      SkinData.SkinSection = 'GAUGE'
    end
  end
  object sWebLabel1: TsWebLabel
    Left = 10
    Top = 301
    Caption = 'WebSite'
    URL = 'mailto:quelm@example.org'
    ShowMode = soNormal
    HoverFont.Color = clWindowText
  end
  object sStatusBar1: TsStatusBar
    Left = 0
    Top = 317
    Width = 354
    Height = 19
    Panels = <
      item
        Text = 'versao'
        Width = 145
      end
      item
        Width = 50
      end>
    SimplePanel = False
    SizeGrip = False
    SkinData.SkinSection = 'STATUSBAR'
  end
end
)";

TEST_F(ContainerDefinition, TheSkinnedClassesReadTheirProperties) {
    for (const TClassInfo* info : {TsPanel::StaticClassInfo(), TsGroupBox::StaticClassInfo(),
                                   TsLabel::StaticClassInfo(), TsGauge::StaticClassInfo(),
                                   TsWebLabel::StaticClassInfo(), TsStatusBar::StaticClassInfo()})
        RegisterClass(info);
    ReadComponentResource(Form, Definition, "Unit9.dfm");
    auto find = [&](const char* name) { return Form->FindComponent(name); };
    auto* panel = dynamic_cast<TsPanel*>(find("sPanel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->SkinData()->SkinSection(), "PANEL");
    auto* box = dynamic_cast<TsGroupBox*>(find("sGroupBox1"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Parent(), panel);
    EXPECT_EQ(box->CaptionLayout(), clTopCenter);
    EXPECT_EQ(box->CaptionYOffset(), 3);
    EXPECT_EQ(box->CaptionSkin(), "BUTTON");
    EXPECT_EQ(box->SkinData()->SkinSection(), "GROUPBOX");
    auto* label = dynamic_cast<TsLabel*>(find("sLabel2"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Alignment(), taRightJustify);
    EXPECT_EQ(label->Font()->Height(), -11);
    auto* gauge = dynamic_cast<TsGauge*>(find("sGauge1"));
    ASSERT_NE(gauge, nullptr);
    EXPECT_FALSE(gauge->Enabled());
    EXPECT_EQ(gauge->Progress(), 0);
    EXPECT_EQ(gauge->Kind(), gkVerticalBar);
    EXPECT_EQ(gauge->BorderStyle(), bsGaugeNone);
    EXPECT_EQ(gauge->ProgressSection(), "PROGRESSV");
    EXPECT_FALSE(gauge->ShowText());
    auto* link = dynamic_cast<TsWebLabel*>(find("sWebLabel1"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->URL(), "mailto:quelm@example.org");
    EXPECT_EQ(link->ShowMode(), soNormal);
    auto* bar = dynamic_cast<TsStatusBar*>(find("sStatusBar1"));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Panels()->Count(), 2);
    EXPECT_EQ(bar->Panels()->Items(0)->Text(), "versao");
    EXPECT_EQ(bar->Panels()->Items(1)->Width(), 50);
    EXPECT_FALSE(bar->SizeGrip());
}

} // namespace

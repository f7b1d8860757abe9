// A window definition naming the skinned edit, combo box, check box and
// track bar, read through the form reader: every property reaches its
// control, the bound label is made from its nested properties, and the
// track bar's thumb length follows its mask once loaded.

#include "FieldFixture.h"

#include "controls/TsCheckBox.h"
#include "controls/TsComboBox.h"
#include "controls/TsEdit.h"
#include "controls/TsEditLabel.h"
#include "controls/TsTrackBar.h"
#include "framework/component/TClassRegistry.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

const char* const Definition = R"(object Form: TForm
  object sEdit1: TsEdit
    Left = 64
    Top = 24
    Width = 121
    Height = 21
    PasswordChar = '*'
    Text = 'abc'
    DisabledKind = [dkGrayed]
    BoundLabel.Active = True
    BoundLabel.Caption = 'Login:'
    BoundLabel.Indent = 2
    BoundLabel.Layout = sclTopLeft
    BoundLabel.Font.Height = -13
    SkinData.SkinSection = 'EDIT'
  end
  object sComboBox1: TsComboBox
    Left = 64
    Top = 56
    Width = 121
    Height = 21
    Style = csDropDownList
    Alignment = taCenter
    DropDownCount = 4
    ReadOnly = True
    Items.Strings = (
      '16 bits'
      '32 bits')
    ItemIndex = 1
  end
  object sCheckBox1: TsCheckBox
    Left = 8
    Top = 90
    Width = 53
    Height = 19
    Caption = 'Efeito'
    Checked = True
    ReadOnly = True
    Margin = 3
    TextIndent = 2
    ShowFocus = False
    Alignment = taLeftJustify
    AutoSize = False
  end
  object sTrackBar1: TsTrackBar
    Left = 3
    Top = 120
    Width = 73
    Height = 33
    Max = 10
    Position = 4
    ThumbLength = 23
    DisabledKind = [dkBlended, dkGrayed]
  end
end
)";

class FieldDefinition : public FieldTest {};

} // namespace

TEST_F(FieldDefinition, ReadsEveryClassWithItsProperties) {
    for (const TClassInfo* info : {TsEdit::StaticClassInfo(), TsComboBox::StaticClassInfo(),
                                   TsCheckBox::StaticClassInfo(), TsTrackBar::StaticClassInfo()})
        RegisterClass(info);
    ReadComponentResource(Form, Definition, "Skinned.dfm");
    Show();

    auto* edit = dynamic_cast<TsEdit*>(Form->FindComponent("sEdit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->ShownText(), "***");
    EXPECT_EQ(edit->DisabledKind(), dkGrayed);
    EXPECT_EQ(edit->SkinData()->SkinSection(), "EDIT");
    EXPECT_GE(edit->SkinData()->SkinIndex, 0);
    const TsEditLabel* label = edit->BoundLabel()->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), "Login:");
    EXPECT_EQ(label->Font()->Height(), -13);
    EXPECT_EQ(label->BoundsRect(),
              Bounds(64, 24 - label->Height() - 2, label->Width(), label->Height()));

    auto* combo = dynamic_cast<TsComboBox*>(Form->FindComponent("sComboBox1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Alignment(), taCenter);
    EXPECT_EQ(combo->DropDownCount(), 4);
    EXPECT_TRUE(combo->ReadOnly());
    EXPECT_EQ(combo->Text(), "32 bits");
    EXPECT_EQ(combo->SkinData()->SkinSection(), "COMBOBOX");

    auto* check = dynamic_cast<TsCheckBox*>(Form->FindComponent("sCheckBox1"));
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(check->ReadOnly());
    EXPECT_EQ(check->Margin(), 3);
    EXPECT_EQ(check->TextIndent(), 2);
    EXPECT_FALSE(check->ShowFocus());
    EXPECT_EQ(check->Alignment(), taLeftJustify);
    EXPECT_EQ(check->BoundsRect(), Bounds(8, 90, 53, 19)); // no automatic size
    EXPECT_EQ(check->SkinData()->SkinSection(), "CHECKBOX");

    auto* track = dynamic_cast<TsTrackBar*>(Form->FindComponent("sTrackBar1"));
    ASSERT_NE(track, nullptr);
    EXPECT_EQ(track->Position(), 4);
    EXPECT_EQ(track->DisabledKind(), dkBlended | dkGrayed);
    EXPECT_EQ(track->SkinData()->SkinSection(), "TRACKBAR");
    const int mask = GetMaskIndex(track->SkinData()->SkinIndex, "TRACKBAR", "SLIDERMASK");
    ASSERT_GE(mask, 0);
    EXPECT_EQ(track->ThumbLength(), CellSize(mask).cy + 2);
}

TEST_F(FieldDefinition, WithTheSkinGoneEveryControlPaintsThePlainWay) {
    for (const TClassInfo* info : {TsEdit::StaticClassInfo(), TsComboBox::StaticClassInfo(),
                                   TsCheckBox::StaticClassInfo(), TsTrackBar::StaticClassInfo()})
        RegisterClass(info);
    ReadComponentResource(Form, Definition, "Skinned.dfm");
    Show();
    auto* edit = dynamic_cast<TsEdit*>(Form->FindComponent("sEdit1"));
    const TColor skinned = OnScreen(edit, edit->Width() / 2, 1);
    delete Manager;
    Manager = nullptr;
    Form->Invalidate();
    Pump();
    EXPECT_FALSE(edit->SkinData()->Skinned());
    // The plain edit's sunken edge replaces the section's frame.
    EXPECT_NE(OnScreen(edit, edit->Width() / 2, 1), skinned);
    auto* combo = dynamic_cast<TsComboBox*>(Form->FindComponent("sComboBox1"));
    EXPECT_EQ(combo->GlyphSize(), (TSize{16, 16}));
    auto* check = dynamic_cast<TsCheckBox*>(Form->FindComponent("sCheckBox1"));
    check->SetReadOnly(false);
    check->Perform(WM_LBUTTONDOWN, 0, MakeLParam(5, 5));
    check->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_FALSE(check->Checked()); // toggled the plain way
}

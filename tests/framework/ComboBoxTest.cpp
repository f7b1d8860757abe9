#include "framework/stdctrls/TComboBox.h"
#include "framework/stdctrls/TComboBoxList.h"
#include "tests/HeadlessApp.h"

namespace {

class ComboBoxTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        // ItemIndex comes before the items, as saved definitions have it.
        Read(R"(object Form1: TForm
  object Combo: TComboBox
    Left = 20
    Top = 20
    Width = 121
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    ItemIndex = 1
    TabOrder = 0
    Items.Strings = (
      '640x480'
      '800x600'
      '1024x768'
      '1280x1024')
  end
end
)");
        Combo = static_cast<TComboBox*>(Form->FindComponent("Combo"));
        Combo->OnChange = [this](TObject*) { ++Changes; };
        Show();
        Combo->SetFocus();
        Pump();
    }
    TComboBoxList* List() const { return Combo->ListWindow(); }
    bool Open() const { return Combo->DroppedDown() && List() && List()->Visible(); }
    // Screen point of a row of the open list.
    TPoint Row(int i) const {
        TRect r = List()->ItemRect(i);
        return {List()->Left() + r.Left + 5, List()->Top() + r.Top + 3};
    }

    TComboBox* Combo = nullptr;
    int Changes = 0;
};

TEST_F(ComboBoxTest, DefinitionSetsItemsAndIndex) {
    EXPECT_EQ(Combo->Style(), csDropDownList);
    EXPECT_EQ(Combo->Items()->Count(), 4);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), "800x600");
    Combo->SetItemIndex(-1);
    EXPECT_EQ(Combo->Text(), "");
    Combo->SetItemIndex(7);
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Changes, 0); // changes made in code do not report
}

TEST_F(ComboBoxTest, ClickOpensAndAClickOnARowChooses) {
    Click(Combo, 60, 10);
    ASSERT_TRUE(Open());
    EXPECT_EQ(List()->Top(), Combo->ClientToScreen({0, 0}).Y + Combo->Height());
    EXPECT_EQ(List()->Height(), 4 * 13 + 2);
    EXPECT_EQ(Combo->ListIndex(), 1);
    Host->InjectMouseMoveAt(Row(3));
    Pump();
    EXPECT_EQ(Combo->ListIndex(), 3);
    Host->InjectMouseDownAt(Row(2));
    Host->InjectMouseUpAt(Row(2));
    Pump();
    EXPECT_FALSE(Open());
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Combo->Text(), "1024x768");
    EXPECT_EQ(Changes, 1);
}

TEST_F(ComboBoxTest, AClickElsewhereClosesUnchanged) {
    Click(Combo, 60, 10);
    ASSERT_TRUE(Open());
    Host->InjectMouseMoveAt(Row(3));
    TPoint away = Form->ClientToScreen({250, 180});
    Host->InjectMouseDownAt(away);
    Host->InjectMouseUpAt(away);
    Pump();
    EXPECT_FALSE(Open());
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Changes, 0);
    // Clicking the box while open closes it too.
    Click(Combo, 60, 10);
    ASSERT_TRUE(Open());
    Host->InjectMouseDownAt(Combo->ClientToScreen({60, 10}));
    Host->InjectMouseUpAt(Combo->ClientToScreen({60, 10}));
    Pump();
    EXPECT_FALSE(Open());
}

TEST_F(ComboBoxTest, KeyboardOpensChoosesAndCancels) {
    Key(VK_DOWN, kmAlt);
    ASSERT_TRUE(Open());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 1); // the list moves, the choice waits for Enter
    Key(VK_RETURN);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Combo->ItemIndex(), 3);
    EXPECT_EQ(Changes, 1);

    Key(VK_F4);
    ASSERT_TRUE(Open());
    Key(VK_HOME);
    Key(VK_ESCAPE);
    EXPECT_FALSE(Open());
    EXPECT_EQ(Combo->ItemIndex(), 3);
    EXPECT_EQ(Changes, 1);

    // On the closed box the arrows change the choice at once, within the list.
    Key(VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 3);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Changes, 3);
    Key(VK_HOME);
    EXPECT_EQ(Combo->Text(), "640x480");
    Type("8"); // no typing in a drop-down list
    EXPECT_EQ(Combo->Text(), "640x480");
}

} // namespace

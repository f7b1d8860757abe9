#include "framework/stdctrls/TEdit.h"
#include "tests/HeadlessApp.h"

namespace {

class EditTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Edit = Make<TEdit>(10, 10, 150, 21);
        Edit->OnChange = [this](TObject*) { ++Changes; };
        Show();
        Edit->SetFocus();
        Pump();
    }
    TEdit* Edit = nullptr;
    int Changes = 0;
};

TEST_F(EditTest, TypingEditingAndKeyboardSelection) {
    Type("Olá mundo");
    EXPECT_EQ(Edit->Text(), "Olá mundo");
    EXPECT_EQ(Edit->CaretPos(), 9);
    EXPECT_EQ(Changes, 9);
    Key(VK_HOME);
    Key(VK_DELETE);
    Key(VK_END);
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "lá mund");
    Key(VK_LEFT, kmShift);
    Key(VK_LEFT, kmShift);
    EXPECT_EQ(Edit->SelText(), "nd");
    Type("X");
    EXPECT_EQ(Edit->Text(), "lá muX");
    Key(VK_HOME, kmShift);
    EXPECT_EQ(Edit->SelLength(), 6);
    Key(VK_RIGHT); // collapses to the selection's end
    EXPECT_EQ(Edit->CaretPos(), 6);
    EXPECT_EQ(Edit->SelLength(), 0);
    Key(VK_LEFT, kmCtrl);
    EXPECT_EQ(Edit->CaretPos(), 3);

    Edit->SetMaxLength(8);
    Type("abcdef");
    EXPECT_EQ(Edit->Text(), "lá abmuX");
    Edit->SetReadOnly(true);
    Type("z");
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "lá abmuX");
}

TEST_F(EditTest, ClipboardRoundTrip) {
    Type("one two");
    Key('A', kmCtrl);
    Key('C', kmCtrl);
    EXPECT_EQ(Host->ClipboardText(), "one two");
    Key(VK_END);
    Key(VK_LEFT, kmShift | kmCtrl);
    Key('X', kmCtrl);
    EXPECT_EQ(Host->ClipboardText(), "two");
    EXPECT_EQ(Edit->Text(), "one ");
    Key(VK_HOME);
    Key('V', kmCtrl);
    EXPECT_EQ(Edit->Text(), "twoone ");
    Key(VK_HOME, kmShift);
    Key(VK_INSERT, kmCtrl);
    EXPECT_EQ(Host->ClipboardText(), "two");
    Key(VK_DELETE, kmShift);
    EXPECT_EQ(Edit->Text(), "one ");
    Key(VK_END);
    Key(VK_INSERT, kmShift);
    EXPECT_EQ(Edit->Text(), "one two");
    // Only the first line of the clipboard is pasted.
    Host->SetClipboardText("x\ny");
    Key('V', kmCtrl);
    EXPECT_EQ(Edit->Text(), "one twox");
}

TEST_F(EditTest, PasswordCharHidesTextAndKeepsItFromTheClipboard) {
    Edit->SetPasswordChar("*");
    Type("segredo");
    EXPECT_EQ(Edit->Text(), "segredo");
    EXPECT_EQ(Edit->DisplayText(), U"*******");
    Host->SetClipboardText("before");
    Key('A', kmCtrl);
    Key('C', kmCtrl);
    Key('X', kmCtrl);
    EXPECT_EQ(Host->ClipboardText(), "before");
    EXPECT_EQ(Edit->Text(), "segredo");
}

TEST_F(EditTest, MouseSelectsAndCaretBlinks) {
    Edit->SetText("abcdefgh");
    int x2 = Edit->PosToX(2), x6 = Edit->PosToX(6);
    Down(Edit, x2, 10);
    EXPECT_EQ(Edit->CaretPos(), 2);
    Move(Edit, x6, 10, 0);
    Up(Edit, x6, 10);
    EXPECT_EQ(Edit->SelText(), "cdef");

    EXPECT_TRUE(Edit->CaretVisible());
    Host->AdvanceClock(600);
    Pump();
    EXPECT_FALSE(Edit->CaretVisible());
    Host->AdvanceClock(600);
    Pump();
    EXPECT_TRUE(Edit->CaretVisible());
}

} // namespace

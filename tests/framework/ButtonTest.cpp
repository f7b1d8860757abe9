#include "framework/stdctrls/TButton.h"
#include "framework/stdctrls/TEdit.h"
#include "tests/HeadlessApp.h"

namespace {

class ButtonTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Edit = Make<TEdit>(10, 10, 100, 21);
        Ok = Make<TButton>(10, 50, 75, 25);
        Cancel = Make<TButton>(100, 50, 75, 25);
        Other = Make<TButton>(190, 50, 75, 25);
        Ok->SetDefault(true);
        Cancel->SetCancel(true);
        for (auto* b : {Ok, Cancel, Other})
            b->OnClick = [this](TObject* s) { Clicks += b_name(s); };
        Show();
        Edit->SetFocus();
        Pump();
    }
    std::string b_name(TObject* s) const {
        return s == Ok ? "ok;" : s == Cancel ? "cancel;" : "other;";
    }

    TEdit* Edit = nullptr;
    TButton *Ok = nullptr, *Cancel = nullptr, *Other = nullptr;
    std::string Clicks;
};

TEST_F(ButtonTest, ClicksOnReleaseInsideOnly) {
    Down(Other, 10, 10);
    EXPECT_TRUE(Other->Pushed());
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Clicks, "");
    Up(Other, 12, 12);
    EXPECT_EQ(Clicks, "other;");
    EXPECT_FALSE(Other->Pushed());

    // Pressed, dragged out (looks released), released outside: no click.
    Down(Other, 10, 10);
    Move(Other, 100, 10, 0);
    EXPECT_FALSE(Other->Pushed());
    Move(Other, 5, 5, 0);
    EXPECT_TRUE(Other->Pushed());
    Move(Other, 100, 10, 0);
    Up(Other, 100, 10);
    EXPECT_EQ(Clicks, "other;");
    // A right click does nothing.
    Click(Other, 10, 10);
    Down(Other, 10, 10, mbRight);
    Up(Other, 10, 10, mbRight);
    EXPECT_EQ(Clicks, "other;other;");
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButtonOnRelease) {
    Other->SetFocus();
    Host->InjectKeyDown(nullptr, VK_SPACE);
    Pump();
    EXPECT_TRUE(Other->Pushed());
    EXPECT_EQ(Clicks, "");
    Host->InjectKeyUp(nullptr, VK_SPACE);
    Pump();
    EXPECT_EQ(Clicks, "other;");
}

TEST_F(ButtonTest, EnterAndEscapeReachDefaultAndCancel) {
    ASSERT_TRUE(Edit->Focused());
    EXPECT_TRUE(Ok->ActiveDefault());
    Key(VK_RETURN);
    EXPECT_EQ(Clicks, "ok;");
    Key(VK_ESCAPE);
    EXPECT_EQ(Clicks, "ok;cancel;");
    // A focused button takes Enter from the default one.
    Other->SetFocus();
    Pump();
    EXPECT_FALSE(Ok->ActiveDefault());
    Key(VK_RETURN);
    EXPECT_EQ(Clicks, "ok;cancel;other;");
    Edit->SetFocus();
    Pump();
    EXPECT_TRUE(Ok->ActiveDefault());
    // Disabled buttons are not clicked by dialog keys.
    Ok->SetEnabled(false);
    Key(VK_RETURN);
    EXPECT_EQ(Clicks, "ok;cancel;other;");
}

TEST_F(ButtonTest, ClickSetsTheFormsModalResult) {
    Cancel->SetModalResult(mrCancel);
    Click(Cancel, 5, 5);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

} // namespace

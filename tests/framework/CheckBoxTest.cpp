// The plain check box: a click or the space bar toggles it, and the grayed
// state takes its turn when AllowGrayed is set.

#include "framework/stdctrls/TCheckBox.h"
#include "tests/HeadlessApp.h"

namespace {

class CheckBoxTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Box = Make<TCheckBox>(10, 10, 80, 19);
        Box->SetCaption("Efeito");
        Box->OnClick = [this](TObject*) { ++Clicks; };
        Show();
    }
    TCheckBox* Box = nullptr;
    int Clicks = 0;
};

TEST_F(CheckBoxTest, ClickAndSpaceToggle) {
    Click(Box, 5, 9);
    EXPECT_TRUE(Box->Checked());
    EXPECT_TRUE(Box->Focused());
    EXPECT_EQ(Clicks, 1);
    Down(Box, 5, 9);
    Up(Box, 200, 9); // released outside: no toggle
    EXPECT_TRUE(Box->Checked());
    Key(VK_SPACE);
    EXPECT_FALSE(Box->Checked());
    EXPECT_EQ(Clicks, 2);
    Box->SetChecked(true); // a change in code clicks too
    EXPECT_EQ(Clicks, 3);
    Box->SetChecked(true);
    EXPECT_EQ(Clicks, 3);
}

TEST_F(CheckBoxTest, GrayedStateCycles) {
    Box->SetAllowGrayed(true);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        Click(Box, 5, 9);
        seen.push_back(Box->State());
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
}

} // namespace

// The skinned button's behaviour: the mouse and keys that press and click
// it, the default and cancel buttons, Down, the disabled look over its
// parent, the shape cut from its border, the focus rectangle, and its
// states as golden images.

#include "ButtonFixture.h"

#include "framework/graphics/DrawText.h"
#include "framework/stdctrls/TEdit.h"
#include "paint/SoftRect.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

namespace {

class Button : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        A = AddButton({10, 10, 75, 25}, "A");
        B = AddButton({100, 10, 75, 25}, "B");
        Show();
    }
    TsButton* A = nullptr;
    TsButton* B = nullptr;
};

} // namespace

TEST_F(Button, ClicksOnlyOnAReleaseInsideAfterAPressOnIt) {
    Press(B, 30, 12);
    EXPECT_TRUE(B->DrawnPushed());
    MoveTo(B, -20, 12);
    EXPECT_TRUE(B->DrawnPushed()); // dragged out it stays pushed
    Release(B, -20, 12);
    EXPECT_TRUE(Clicks.empty());
    EXPECT_FALSE(B->DrawnPushed());

    Press(B, 30, 12);
    MoveTo(B, -20, 12);
    MoveTo(B, 30, 12);
    Release(B, 30, 12);
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], B);
    EXPECT_FALSE(B->DrawnPushed());
    // The screen shows the released look, not the pressed one.
    EXPECT_TRUE(ScreenShows(B, *B->SkinData()->CacheBmp()));

    // A release with no press on the button is ignored.
    B->Perform(WM_LBUTTONUP, 0, PointToLParam({30, 12}));
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(Button, APressSwitchesHintsOffUntilItsRelease) {
    Application->SetShowHint(true);
    Press(B, 30, 12);
    EXPECT_FALSE(Application->ShowHint());
    // A second button pressed meanwhile does not save hints as off.
    B->Perform(WM_RBUTTONDOWN, 0, PointToLParam({30, 12}));
    Release(B, 30, 12);
    EXPECT_TRUE(Application->ShowHint());
}

TEST_F(Button, EnterClicksTheDefaultButtonWhereverTheFocusIs) {
    A->SetDefault(true);
    B->SetFocus();
    Pump();
    Key(VK_RETURN);
    ASSERT_EQ(Clicks.size(), 1u); // the default alone, not the focused one too
    EXPECT_EQ(Clicks[0], A);
    // Held modifiers keep Enter from it.
    Key(VK_RETURN, kmCtrl);
    EXPECT_EQ(Clicks.size(), 1u);
    // Without a default button Enter clicks the focused one.
    A->SetDefault(false);
    Key(VK_RETURN);
    ASSERT_EQ(Clicks.size(), 2u);
    EXPECT_EQ(Clicks[1], B);
}

TEST_F(Button, EscapeClicksTheCancelButtonAndNoOther) {
    B->SetCancel(true);
    A->SetFocus();
    Pump();
    Key(VK_ESCAPE);
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], B);
    Key(VK_ESCAPE, kmShift);
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(Button, SpacePressesTheFocusedButtonAndItsReleaseClicksOnce) {
    B->SetFocus();
    Pump();
    Host->InjectKeyDown(Form->HostWindow(), VK_SPACE);
    Host->InjectText(Form->HostWindow(), " ");
    Pump();
    EXPECT_TRUE(B->DrawnPushed());
    EXPECT_TRUE(Clicks.empty());
    Host->InjectKeyUp(Form->HostWindow(), VK_SPACE);
    Pump();
    ASSERT_EQ(Clicks.size(), 1u);
    EXPECT_EQ(Clicks[0], B);
    EXPECT_FALSE(B->DrawnPushed());
}

TEST_F(Button, DownDrawsPushedWithTheCaptionMovedAndKeyReleasesClick) {
    const TRect up = B->CaptionRect();
    B->SetDown(true);
    Pump();
    EXPECT_TRUE(B->DrawnPushed());
    EXPECT_EQ(B->CaptionRect().Left, up.Left + 1);
    EXPECT_EQ(B->CaptionRect().Top, up.Top + 1);
    const std::unique_ptr<TBitmap> down = CacheCopy(B);
    Press(A, 30, 12);
    Release(A, 30, 12);
    B->SetDown(false);
    Pump();
    EXPECT_FALSE(SameBitmap(*down, *B->SkinData()->CacheBmp()));
    // Down, every key release on the focused button clicks it.
    B->SetDown(true);
    B->SetFocus();
    Pump();
    Clicks.clear();
    Key('X');
    Key('Y');
    EXPECT_EQ(Clicks.size(), 2u);
    EXPECT_TRUE(B->DrawnPushed());
}

TEST_F(Button, ADisabledButtonIsBlendedOverItsParent) {
    TsButton* c = AddButton({10, 50, 75, 25}, "");
    Pump();
    const std::unique_ptr<TBitmap> enabled = CacheCopy(c);
    c->SetEnabled(false);
    Pump();
    TBitmap expected;
    expected.Assign(*enabled);
    PaintDisabled(&expected, dfBlended, ColorToRGB(Form->Color()), TCacheInfo{}, {10, 50});
    EXPECT_TRUE(ScreenShows(c, expected));
    // A disabled button ignores the mouse.
    Press(c, 30, 12);
    Release(c, 30, 12);
    EXPECT_TRUE(Clicks.empty());
}

TEST_F(Button, ItsShapeLosesTheSeeThroughCornersOfItsBorder) {
    const TRegion* shape = B->WindowRgn();
    ASSERT_NE(shape, nullptr);
    EXPECT_FALSE(shape->Contains({0, 0}));
    EXPECT_FALSE(shape->Contains({74, 24}));
    EXPECT_TRUE(shape->Contains({37, 12}));
    EXPECT_TRUE(shape->Contains({37, 0}));
    // Where the shape is cut the form shows through.
    EXPECT_EQ(OnScreen(B, 0, 0), ColorToRGB(Form->Color()));
}

TEST_F(Button, TheFocusRectangleFollowsMarginCaptionAndSection) {
    B->SetFocus();
    Pump();
    const std::unique_ptr<TBitmap> near = CacheCopy(B);
    B->SetFocusMargin(90);
    B->SkinData()->Invalidate();
    Pump();
    const std::unique_ptr<TBitmap> far = CacheCopy(B);
    EXPECT_FALSE(SameBitmap(*near, *far));
    // 90 pixels out the rectangle is wholly outside: as if never drawn.
    TsGeneralData& section = SkinGeneralData[B->SkinData()->SkinIndex];
    section.ShowFocus = false;
    B->SetFocusMargin(1);
    B->SkinData()->Invalidate();
    Pump();
    EXPECT_TRUE(SameBitmap(*far, *B->SkinData()->CacheBmp()));
    section.ShowFocus = true;
    // An empty caption has an empty rectangle and no focus rectangle.
    B->SetCaption("");
    EXPECT_EQ(B->CaptionRect().Width(), 0);
}

TEST_F(Button, TheDefaultButtonIsHotWhileNoSkinnedButtonHasTheFocus) {
    A->SetDefault(true);
    B->SetFocus();
    Pump();
    EXPECT_FALSE(A->State().DefaultActive);
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(10, 50, 75, 21);
    edit->SetFocus();
    Pump();
    EXPECT_TRUE(A->State().DefaultActive);
    EXPECT_TRUE(ScreenShows(A, *A->SkinData()->CacheBmp()));
}

TEST_F(Button, EachStateMatchesItsGoldenImage) {
    Form->SetBounds(10, 10, 110, 70);
    A->SetVisible(false);
    B->SetVisible(false);
    // Holds the focus away from the buttons.
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetBounds(0, 0, 4, 4);
    struct TCase {
        const char* Name;
        std::function<void(TsButton*)> Set;
    };
    const std::vector<TCase> cases = {
        {"normal", [](TsButton*) {}},
        {"hot", [this](TsButton* b) { MoveTo(b, 30, 12); }},
        {"pressed", [this](TsButton* b) { Press(b, 30, 12); }},
        {"focused", [](TsButton* b) { b->SetFocus(); }},
        {"disabled", [](TsButton* b) { b->SetEnabled(false); }},
        {"default",
         [edit](TsButton* b) {
             b->SetDefault(true);
             b->SetFocus();
             edit->SetFocus();
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TsButton* b = AddButton({12, 8, 75, 25}, "Jogar");
        MoveTo(b, -8, -4);
        edit->SetFocus();
        Pump();
        c.Set(b);
        for (int i = 0; i < 8; ++i)
            Wait(30); // any fade runs to its end
        ExpectMatchesGolden(Host->Find(Form->HostWindow())->Picture(),
                            std::string("button-") + c.Name);
        if (b->State().MouseInside) Release(b, 30, 12);
        delete b;
        Pump();
    }
}

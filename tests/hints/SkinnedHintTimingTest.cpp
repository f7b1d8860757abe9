// When skinned hints come and go on the loop's clock: the manager's pauses,
// PauseHide from the very first hint on, the short pause from one hinted
// control to the next, and the pointer passing over the hint itself.

#include "tests/hints/HintFixture.h"

#include "platform/headless/THeadlessWindow.h"

namespace {

class SkinnedHintTiming : public HintFixture {
protected:
    void SetUp() override {
        HintFixture::SetUp();
        Manager->SetPauseHide(1000);
        Manager->HintKind()->SetStyle(hsComics);
        Other = Make<TPanel>(220, 30, 90, 25);
        Other->SetHint("Volume");
        Other->SetShowHint(true);
    }
    bool Showing() const { return App->HintWindow() && App->HintWindow()->Visible(); }
    std::string Shown() const { return Showing() ? App->HintWindow()->Caption() : ""; }

    TPanel* Other = nullptr;
};

} // namespace

TEST_F(SkinnedHintTiming, TheHintComesAfterThePauseAndGoesAfterPauseHide) {
    EXPECT_EQ(App->HintPause(), 500);
    EXPECT_EQ(App->HintShortPause(), 200);
    Move(Target, 5, 20);
    Advance(499);
    EXPECT_FALSE(Showing());
    Advance(1);
    EXPECT_EQ(Shown(), "OK");
    EXPECT_EQ(App->HintHidePause(), 1000);
    Advance(999);
    EXPECT_TRUE(Showing());
    Advance(1);
    EXPECT_FALSE(Showing());

    // Straight on to the next hinted control: the short pause.
    Move(Other, 5, 5);
    Move(Target, 5, 20);
    Advance(500);
    ASSERT_EQ(Shown(), "OK");
    Move(Other, 5, 5);
    EXPECT_FALSE(Showing());
    Advance(199);
    EXPECT_FALSE(Showing());
    Advance(1);
    EXPECT_EQ(Shown(), "Volume");
}

TEST_F(SkinnedHintTiming, AHintOverThePointerLetsItThroughAndTakesNoFocus) {
    // Near the screen's bottom the hint opens above its anchor, over the
    // pointer; moving on under it still reaches the control below, so the
    // hint stays, and it never takes the focus.
    Form->SetBounds(100, 700, 320, 60);
    Move(Other, 5, 5);
    Move(Target, 5, 20);
    Advance(500);
    ASSERT_TRUE(Showing());
    const TPoint under = Target->ClientToScreen({8, 18});
    ASSERT_TRUE(App->HintWindow()->BoundsRect().Contains(under));
    EXPECT_EQ(Host->WindowAt(under), Host->Find(Window()));
    Host->InjectMouseMoveAt(under);
    Pump();
    EXPECT_TRUE(Showing());
    EXPECT_EQ(Host->ActiveWindow(), Host->Find(Window()));
}

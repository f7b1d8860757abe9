// The skinned button's fades on the launcher's skin ("BUTTON": 30 ms
// between frames, 5 steps): each frame on the screen is exactly the blend
// of the two looks at the step's weight, reversals cover the steps made,
// and a fade ends, stops or never starts as the section and the program say.

#include "ButtonFixture.h"

#include "controls/TFadeTimer.h"
#include "framework/forms/TMessageLoop.h"

namespace {

constexpr uint64_t Interval = 30;

class ButtonFade : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        // The first button takes the focus, which would make B hot anyway.
        Other = AddButton({200, 20, 75, 25}, "Other");
        B = AddButton({20, 20, 75, 25});
        Show();
        Normal = CacheCopy(B);
    }
    // Hovers the button; the cache is then the hot look.
    void Enter() {
        MoveTo(B, 30, 12);
        Hot = CacheCopy(B);
    }
    TsButton* Other = nullptr;
    TsButton* B = nullptr;
    std::unique_ptr<TBitmap> Normal, Hot;
};

} // namespace

TEST_F(ButtonFade, HoveringShowsFiveFramesThirtyMillisecondsApartThenStops) {
    const TsGeneralData& section = SkinGeneralData[B->SkinData()->SkinIndex];
    ASSERT_TRUE(section.FadingEnabled);
    ASSERT_EQ(section.FadingIntervalIn, 30);
    ASSERT_EQ(section.FadingIterations, 5);
    EXPECT_FALSE(B->Focused());
    Enter();
    EXPECT_FALSE(SameBitmap(*Normal, *Hot));
    ASSERT_NE(B->FadeTimer(), nullptr);
    // Nothing changes on the screen until the first tick.
    EXPECT_TRUE(ScreenShows(B, *Normal));
    for (int weight : {204, 153, 102, 51, 0}) {
        SCOPED_TRACE(weight);
        Wait(Interval - 1);
        Wait(1);
        EXPECT_TRUE(ScreenShowsFrame(B, *Normal, *Hot, weight));
    }
    Wait(Interval);
    // The timer stopped itself and stays, disabled, with the step it reached.
    ASSERT_NE(B->FadeTimer(), nullptr);
    EXPECT_FALSE(B->FadeTimer()->Enabled());
    EXPECT_EQ(B->FadeTimer()->FadeStep, 5);
    Application->CancelHint();
    EXPECT_EQ(TMessageLoop::Instance().NextDeadline(), UINT64_MAX); // the loop may sleep
    EXPECT_TRUE(ScreenShows(B, *Hot));
    // A finished fade-in no longer holds the button's paint back.
    B->Invalidate();
    Pump();
    EXPECT_TRUE(ScreenShows(B, *Hot));
}

TEST_F(ButtonFade, LeavingDuringAFadeInFadesOutOverTheStepsMadeFromTheFullHotLook) {
    Enter();
    Wait(Interval);
    Wait(Interval);
    ASSERT_TRUE(ScreenShowsFrame(B, *Normal, *Hot, 153));
    MoveTo(B, -5, 12);
    // Two frames shown, the counter at 3: the way back has 3 steps.
    EXPECT_EQ(B->FadeTimer()->FadeSteps, 3);
    // The cache is the normal look again; the frames blend it with the hot one.
    const std::unique_ptr<TBitmap> cache = CacheCopy(B);
    for (int weight : {0, 85, 170, 255}) {
        SCOPED_TRACE(weight);
        Wait(Interval);
        EXPECT_TRUE(ScreenShowsFrame(B, *cache, *Hot, weight));
    }
    // The next tick ends the fade: the timer goes, the cache is shown.
    Wait(Interval);
    EXPECT_EQ(B->FadeTimer(), nullptr);
    EXPECT_TRUE(ScreenShows(B, *Normal));
}

TEST_F(ButtonFade, EnteringDuringAFadeOutFadesBackOverTheStepsLeft) {
    Enter();
    for (int i = 0; i < 6; ++i)
        Wait(Interval);
    MoveTo(B, -5, 12);
    Wait(Interval); // weight 0 of 5
    Wait(Interval); // 51
    Wait(Interval); // 102; the counter is at 2
    ASSERT_TRUE(ScreenShowsFrame(B, *Normal, *Hot, 102));
    MoveTo(B, 30, 12);
    EXPECT_EQ(B->FadeTimer()->FadeSteps, 3);
    Wait(Interval);
    EXPECT_TRUE(ScreenShowsFrame(B, *Normal, *Hot, 85));
    Wait(Interval);
    EXPECT_TRUE(ScreenShows(B, *Hot));
    Wait(Interval);
    EXPECT_FALSE(B->FadeTimer()->Enabled());
}

TEST_F(ButtonFade, EnteringJustAfterAFadeOutBeganStopsWithoutAFrameOnTheHotLook) {
    Enter();
    for (int i = 0; i < 6; ++i)
        Wait(Interval);
    MoveTo(B, -5, 12);
    Wait(Interval); // weight 0 of 5; the counter is at 4
    MoveTo(B, 30, 12);
    // 5 - 4 = 1 step left, and the counter is past it.
    EXPECT_EQ(B->FadeTimer()->FadeSteps, 1);
    Form->BackBuffer()->Pixels().Fill(0x123456);
    Wait(Interval);
    EXPECT_FALSE(B->FadeTimer()->Enabled());
    // No frame, but the button shows its cache again.
    EXPECT_TRUE(ScreenShows(B, *Hot));
}

TEST_F(ButtonFade, APressDuringAFadeStopsItAndTheClickStillComes) {
    Enter();
    Wait(Interval);
    Press(B, 30, 12);
    EXPECT_EQ(B->FadeTimer(), nullptr);
    EXPECT_TRUE(B->DrawnPushed());
    EXPECT_TRUE(ScreenShows(B, *B->SkinData()->CacheBmp()));
    Release(B, 30, 12);
    EXPECT_EQ(Clicks.size(), 1u);
    for (int i = 0; i < 5; ++i)
        Wait(Interval);
    EXPECT_EQ(B->FadeTimer(), nullptr);
    EXPECT_TRUE(ScreenShows(B, *B->SkinData()->CacheBmp()));
    // Leaving now starts a new timer from step 0: one frame of the normal
    // look, then the end.
    MoveTo(B, -5, 12);
    EXPECT_EQ(B->FadeTimer()->FadeStep, 0);
}

TEST_F(ButtonFade, ClosingTheWindowOrTheProgramDuringAFadeDrawsNothingMore) {
    Enter();
    Wait(Interval);
    Form->Hide();
    Pump();
    Form->BackBuffer()->Pixels().Fill(0x123456);
    Wait(Interval);
    EXPECT_EQ(OnScreen(B, 30, 12), 0x123456);
    EXPECT_TRUE(!B->FadeTimer() || !B->FadeTimer()->Enabled());

    Form->Show();
    Pump();
    MoveTo(B, -5, 12);
    MoveTo(B, 30, 12);
    Wait(Interval);
    Application->Terminate();
    Form->BackBuffer()->Pixels().Fill(0x123456);
    Wait(Interval);
    EXPECT_EQ(OnScreen(B, 30, 12), 0x123456);
    EXPECT_FALSE(B->FadeTimer()->Enabled());
}

TEST_F(ButtonFade, ASectionWithoutFadingNeverMakesATimer) {
    TsButton* plain = AddButton({110, 20, 75, 25});
    plain->SkinData()->SetSkinSection("SPEEDBUTTON");
    ASSERT_FALSE(SkinGeneralData[plain->SkinData()->SkinIndex].FadingEnabled);
    Pump();
    MoveTo(plain, 30, 12);
    EXPECT_EQ(plain->FadeTimer(), nullptr);
    EXPECT_TRUE(plain->SkinData()->ControlIsActive());
    EXPECT_TRUE(ScreenShows(plain, *plain->SkinData()->CacheBmp()));
    MoveTo(plain, -5, 12);
    EXPECT_EQ(plain->FadeTimer(), nullptr);
    EXPECT_FALSE(plain->SkinData()->ControlIsActive());
    EXPECT_TRUE(ScreenShows(plain, *plain->SkinData()->CacheBmp()));
}

namespace {

// A control that keeps its own fade pictures, as the track bar does.
struct TFadedControl : TFadeTimer::TClient {
    TsTestControl* Control = nullptr;
    TBitmap From;
    int Step = 0;
    TWinControl& FadeControl() override { return *Control; }
    TsCommonData& FadeData() override { return *Control->SkinData(); }
    const TBitmap& FadeFrom() override { return From; }
    int& FadeStep() override { return Step; }
};

} // namespace

TEST_F(ButtonTest, AFadeOverTheControlsOwnPicturesRunsBothWaysAndRepaintsAtEachEnd) {
    TFadedControl faded;
    // The button section, whose hot look differs from its normal one.
    faded.Control = Add(Form, {20, 60, 75, 25}, ckTrackBar, "BUTTON");
    Show();
    TsCommonData& data = *faded.Control->SkinData();
    ASSERT_EQ(SkinGeneralData[data.SkinIndex].FadingIterations, 5);
    auto* timer = new TFadeTimer(Form, &faded);
    timer->SetInterval(30);
    auto normal = std::make_unique<TBitmap>(), hot = std::make_unique<TBitmap>();
    normal->Assign(*data.CacheBmp());
    faded.From.Assign(*normal);
    data.Focused = true; // hot, whatever the kind
    data.Invalidate();
    Pump();
    hot->Assign(*data.CacheBmp());
    ASSERT_FALSE(SameBitmap(*normal, *hot));
    faded.Step = 1;
    timer->SetMode(fmFadingIn);
    for (int weight : {204, 153, 102, 51, 0}) {
        Wait(30);
        EXPECT_TRUE(ScreenShowsFrame(faded.Control, *normal, *hot, weight)) << weight;
    }
    const int renders = faded.Control->Renders;
    Wait(30); // past the end: stopped, and the cache rebuilt and shown
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(faded.Step, 5);
    EXPECT_EQ(faded.Control->Renders, renders + 1);

    faded.From.Assign(*hot);
    data.Focused = false;
    data.Invalidate();
    Pump();
    timer->SetMode(fmFadingOut);
    for (int weight : {0, 51, 102, 153, 204, 255}) {
        Wait(30);
        EXPECT_TRUE(ScreenShowsFrame(faded.Control, *normal, *hot, weight)) << weight;
    }
    Wait(30);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(faded.Step, 0);
}

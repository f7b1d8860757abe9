// The skinned track bar: the thumb's length from its mask, the thumb at
// both ends and moved by the keys, the fade between the normal and hot
// looks frame by frame (each the exact blend of the two looks), a press
// stopping it at once, and golden images.

#include "FieldFixture.h"

#include "controls/TsTrackBar.h"
#include "framework/forms/TApplication.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinPaint.h"
#include "skin/SkinState.h"

namespace {

class SkinnedTrackBar : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        T = AddField<TsTrackBar>({20, 20, 73, 33});
        T->SetMax(10);
        Show();
        Normal = Copy();
    }
    std::unique_ptr<TBitmap> Copy() {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(*T->SkinData()->CacheBmp());
        return copy;
    }
    const TsGeneralData& Section() { return SkinGeneralData[T->SkinData()->SkinIndex]; }
    TPoint Middle() { return {T->Width() / 2, 2}; }
    TsTrackBar* T = nullptr;
    std::unique_ptr<TBitmap> Normal;
};

} // namespace

TEST_F(SkinnedTrackBar, TheThumbIsAsLongAsItsMaskAndStaysInsideAtBothEnds) {
    const int mask = GetMaskIndex(T->SkinData()->SkinIndex, "TRACKBAR", "SLIDERMASK");
    ASSERT_GE(mask, 0);
    EXPECT_EQ(T->ThumbLength(), CellSize(mask).cy + 2);
    T->SetFocus();
    Pump();
    Key(VK_HOME);
    EXPECT_EQ(T->Position(), 0);
    const TRect first = T->ThumbRect();
    EXPECT_GE(first.Left, 0);
    const auto atMin = Copy();
    Key(VK_RIGHT);
    EXPECT_EQ(T->Position(), 1);
    EXPECT_GT(T->ThumbRect().Left, first.Left);
    Key(VK_END);
    EXPECT_EQ(T->Position(), 10);
    EXPECT_LE(T->ThumbRect().Right, T->Width());
    Key(VK_LEFT);
    EXPECT_EQ(T->Position(), 9);
    Key(VK_END);
    // Rendered on every paint: the screen shows the thumb where it is now.
    EXPECT_TRUE(ScreenShowsCache(T, Rect(0, 0, T->Width(), T->Height())));
    EXPECT_FALSE(SameBitmap(*atMin, *T->SkinData()->CacheBmp()));
    // Eleven ticks from Min to Max, the ends under the thumb's ends.
    const std::vector<int> ticks = T->TickPositions();
    ASSERT_EQ(ticks.size(), 11u);
    EXPECT_EQ(ticks.front(), T->PositionToX(0));
    EXPECT_EQ(ticks.back(), T->PositionToX(10));
    // A range far wider than the bar gives at most a tick per pixel.
    T->SetMax(2000000000);
    EXPECT_LE(T->TickPositions().size(), static_cast<size_t>(T->Width()));
}

TEST_F(SkinnedTrackBar, HoveringFadesFrameByFrameBetweenTheTwoLooks) {
    ASSERT_TRUE(Section().FadingEnabled);
    const int steps = Section().FadingIterations;
    const uint64_t in = static_cast<uint64_t>(Section().FadingIntervalIn);
    ASSERT_GT(steps, 1);
    MoveTo(T, Middle().X, Middle().Y);
    ASSERT_EQ(T->FadeTimer()->FadeMode, fmFadingIn);
    const auto hot = Copy();
    EXPECT_TRUE(SameBitmap(T->FadeFromBmp(), *Normal));
    EXPECT_FALSE(SameBitmap(*hot, *Normal));
    EXPECT_TRUE(ScreenShows(T, *Normal)); // nothing changes before the first tick
    for (int step = 1; step <= steps; ++step) {
        SCOPED_TRACE(step);
        Wait(in);
        EXPECT_TRUE(ScreenShowsFrame(T, *Normal, *hot, FadeWeight(step, steps)));
    }
    Wait(in);
    EXPECT_EQ(T->FadeTimer()->FadeMode, fmStopped);
    EXPECT_TRUE(ScreenShows(T, *hot));

    MoveTo(T, -30, -30);
    ASSERT_EQ(T->FadeTimer()->FadeMode, fmFadingOut);
    const uint64_t out = static_cast<uint64_t>(Section().FadingIntervalOut);
    for (int step = steps; step >= 0; --step) {
        SCOPED_TRACE(step);
        Wait(out);
        EXPECT_TRUE(ScreenShowsFrame(T, *Normal, *hot, FadeWeight(step, steps)));
    }
    Wait(out);
    EXPECT_EQ(T->FadeTimer()->FadeMode, fmStopped);
    EXPECT_TRUE(ScreenShows(T, *Normal));
}

TEST_F(SkinnedTrackBar, APressStopsTheFadeAtOnceAndHidesHints) {
    MoveTo(T, Middle().X, Middle().Y);
    Wait(Section().FadingIntervalIn);
    ASSERT_EQ(T->FadeTimer()->FadeMode, fmFadingIn);
    const TRect thumb = T->ThumbRect();
    Press(T, thumb.Left + 1, thumb.Top + 1);
    EXPECT_EQ(T->FadeTimer()->FadeMode, fmStopped);
    EXPECT_FALSE(T->FadeTimer()->Enabled());
    EXPECT_EQ(T->FadeStepValue(), Section().FadingIterations - 1);
    EXPECT_EQ(T->ThumbState(), psPressed);
    EXPECT_FALSE(Application->ShowHint());
    EXPECT_TRUE(ScreenShowsCache(T, Rect(0, 0, T->Width(), T->Height())));
    Release(T, thumb.Left + 1, thumb.Top + 1);
    EXPECT_TRUE(Application->ShowHint());
    EXPECT_EQ(T->ThumbState(), psHot);
}

TEST_F(SkinnedTrackBar, EachStateMatchesItsGoldenImage) {
    T->SetPosition(3);
    Pump();
    ExpectGolden(T, "trackbar-normal");
    MoveTo(T, Middle().X, Middle().Y);
    for (int i = 0; i < 8; ++i)
        Wait(30); // the fade runs to its end
    ExpectGolden(T, "trackbar-hot");
    const TRect thumb = T->ThumbRect();
    Press(T, thumb.Left + 1, thumb.Top + 1);
    ExpectGolden(T, "trackbar-pressed");
    Release(T, thumb.Left + 1, thumb.Top + 1);
    MoveTo(T, -30, -30);
    Away->SetFocus();
    T->SetEnabled(false);
    for (int i = 0; i < 8; ++i)
        Wait(30);
    ExpectGolden(T, "trackbar-disabled");
}

// The plain track bar: keys step, page and jump, a click on the channel
// pages toward it and the thumb drags.

#include "framework/stdctrls/TTrackBar.h"
#include "tests/HeadlessApp.h"

namespace {

class TrackBarTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Bar = Make<TTrackBar>(10, 10, 150, 33);
        Bar->SetMax(10);
        Bar->SetThumbLength(23);
        Bar->OnChange = [this](TObject*) { ++Changes; };
        Show();
        Bar->SetFocus();
        Pump();
    }
    TTrackBar* Bar = nullptr;
    int Changes = 0;
};

TEST_F(TrackBarTest, KeysStepPageAndJump) {
    struct Step {
        int Key;
        int Expect;
    };
    for (Step s : {Step{VK_RIGHT, 1},
                   {VK_DOWN, 2},
                   {VK_LEFT, 1},
                   {VK_NEXT, 3},
                   {VK_END, 10},
                   {VK_RIGHT, 10},
                   {VK_PRIOR, 8},
                   {VK_UP, 7},
                   {VK_HOME, 0},
                   {VK_LEFT, 0}}) {
        Key(s.Key);
        EXPECT_EQ(Bar->Position(), s.Expect) << s.Key;
    }
    EXPECT_EQ(Changes, 8); // presses at either end change nothing
}

TEST_F(TrackBarTest, ChannelClickPagesAndThumbDrags) {
    Bar->SetPosition(5);
    TRect thumb = Bar->ThumbRect();
    int y = (thumb.Top + thumb.Bottom) / 2;
    Click(Bar, Bar->Width() - 10, y);
    EXPECT_EQ(Bar->Position(), 7);
    Click(Bar, 9, y);
    EXPECT_EQ(Bar->Position(), 5);

    thumb = Bar->ThumbRect();
    int cx = (thumb.Left + thumb.Right) / 2;
    Down(Bar, cx, y);
    Move(Bar, Bar->PositionToX(9), y);
    EXPECT_EQ(Bar->Position(), 9);
    Move(Bar, -50, y);
    EXPECT_EQ(Bar->Position(), 0);
    Up(Bar, -50, y);
    Move(Bar, Bar->PositionToX(6), y);
    EXPECT_EQ(Bar->Position(), 0); // released: moving no longer drags
    for (int p = 0; p <= 10; ++p)
        EXPECT_EQ(Bar->XToPosition(Bar->PositionToX(p)), p);
}

} // namespace

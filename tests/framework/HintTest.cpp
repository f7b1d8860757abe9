// Hints: the pause before a hint shows, the pause before it hides, the short
// pause from one hint straight to the next, and the plain hint window's text,
// size, place and pixels.

#include "tests/HeadlessApp.h"

#include "framework/forms/THintWindow.h"
#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/stdctrls/TPanel.h"
#include "platform/headless/THeadlessWindow.h"

namespace {
class Hints : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Form->SetBorderStyle(bsNone);
        A = Hinted("a", 10, "Login do jogo");
        B = Hinted("b", 60, "Volume");
        Plain = Hinted("plain", 110, "");
        Show();
    }
    TPanel* Hinted(const std::string& name, int left, const std::string& hint) {
        auto* p = Make<TPanel>(left, 10, 40, 30);
        p->SetName(name);
        p->SetHint(hint);
        p->SetShowHint(true);
        return p;
    }
    // Rests the mouse at (x, y) of a control.
    void Point(const TControl* c, int x = 5, int y = 5) { Move(c, x, y); }
    bool Showing() const {
        THintWindow* w = App->HintWindow();
        return w && w->Visible();
    }
    std::string Shown() const { return Showing() ? App->HintWindow()->Caption() : ""; }

    TPanel *A = nullptr, *B = nullptr, *Plain = nullptr;
};
} // namespace

TEST_F(Hints, ShowAfterThePauseAndHideAfterTheHidePause) {
    Point(A);
    Advance(499);
    EXPECT_FALSE(Showing());
    Point(A, 20, 20); // moving inside the control does not start the pause again
    Advance(1);
    EXPECT_EQ(Shown(), "Login do jogo");
    Advance(2499);
    EXPECT_TRUE(Showing());
    Advance(1);
    EXPECT_FALSE(Showing());
    // Resting on after it hid brings no second hint.
    Point(A, 6, 6);
    Advance(5000);
    EXPECT_FALSE(Showing());

    // The pauses are the application's to set.
    App->SetHintPause(100);
    App->SetHintHidePause(300);
    Point(Plain);
    Point(B);
    Advance(99);
    EXPECT_FALSE(Showing());
    Advance(1);
    EXPECT_EQ(Shown(), "Volume");
    Advance(300);
    EXPECT_FALSE(Showing());
}

TEST_F(Hints, FromOneHintStraightToTheNextTakesTheShortPause) {
    Point(A);
    Advance(500);
    ASSERT_EQ(Shown(), "Login do jogo");
    Point(B);
    EXPECT_FALSE(Showing()); // the old hint goes at once
    Advance(49);
    EXPECT_FALSE(Showing());
    Advance(1);
    EXPECT_EQ(Shown(), "Volume");
    // Through a place without a hint, the next one waits the whole pause again.
    Point(Plain);
    EXPECT_FALSE(Showing());
    Point(A);
    Advance(499);
    EXPECT_FALSE(Showing());
    Advance(1);
    EXPECT_EQ(Shown(), "Login do jogo");
}

TEST_F(Hints, ThePointerLeavingTheWindowEndsAWaitingOrShowingHint) {
    Point(A);
    Advance(300);
    Host->InjectMouseLeave(Window());
    Pump();
    Advance(1000);
    EXPECT_FALSE(Showing());
    Point(A);
    Advance(500);
    ASSERT_TRUE(Showing());
    Host->InjectMouseLeave(Window());
    Pump();
    EXPECT_FALSE(Showing());
}

TEST_F(Hints, WhoseHintShowsAndWhatStopsIt) {
    // A child without a hint of its own shows its parent's.
    auto* inner = Make<TPanel>(5, 5, 20, 10, A);
    inner->SetShowHint(true);
    Point(inner);
    Advance(500);
    EXPECT_EQ(Shown(), "Login do jogo");
    // The nearest hint decides: switched off there, no hint at all.
    inner->SetHint("inner");
    inner->SetShowHint(false);
    Point(Plain);
    Point(inner);
    Advance(1000);
    EXPECT_FALSE(Showing());
    // A press cancels both a hint waiting to show and one showing.
    Point(B);
    Advance(400);
    Down(B, 5, 5);
    Up(B, 5, 5);
    Advance(200);
    EXPECT_FALSE(Showing());
    Point(Plain);
    Point(B);
    Advance(500);
    ASSERT_TRUE(Showing());
    Key(VK_SHIFT);
    EXPECT_FALSE(Showing());
    // With the application's hints off nothing shows.
    App->SetShowHint(false);
    Point(Plain);
    Point(A);
    Advance(1000);
    EXPECT_FALSE(Showing());
}

TEST_F(Hints, TheWindowSitsBelowTheCursorSizedToItsText) {
    Point(A, 7, 3);
    Advance(500);
    ASSERT_TRUE(Showing());
    THintWindow* w = App->HintWindow();
    // The text's own extent, measured apart, plus a margin of 3 beside and 1
    // above and below it.
    TBitmap probe(1, 1);
    probe.Canvas()->SetFont(*w->Font());
    const TSize text = probe.Canvas()->TextExtent("Login do jogo");
    const TPoint cursor = A->ClientToScreen({7, 3});
    EXPECT_EQ(w->BoundsRect(), Bounds(cursor.X, cursor.Y + 20, text.cx + 6, text.cy + 2));
    auto* host = static_cast<THeadlessWindow*>(w->HostWindow());
    EXPECT_EQ(host->Bounds(), w->BoundsRect());

    // A frame around the hint colour; the text keeps off the frame's margin.
    const TPixels& p = host->Picture();
    const uint32_t frame = static_cast<uint32_t>(ColorToRGB(clWindowFrame));
    const uint32_t back = static_cast<uint32_t>(ColorToRGB(App->HintColor()));
    const int right = p.Width() - 1, bottom = p.Height() - 1;
    bool inked = false;
    for (int y = 0; y <= bottom; ++y)
        for (int x = 0; x <= right; ++x) {
            const bool edge = x == 0 || y == 0 || x == right || y == bottom;
            const bool margin = x <= 2 || x >= right - 2;
            if (edge)
                ASSERT_EQ(p.Pixel(x, y), frame) << x << "," << y;
            else if (margin)
                ASSERT_EQ(p.Pixel(x, y), back) << x << "," << y;
            else
                inked |= p.Pixel(x, y) != back;
        }
    EXPECT_TRUE(inked);
}

TEST_F(Hints, NearTheScreensCornerTheWindowStaysOnTheScreen) {
    // The form moved so that the control lies in the screen's bottom-right corner.
    const TRect screen = Rect(0, 0, Screen->Width(), Screen->Height());
    Form->SetBounds(screen.Right - 60, screen.Bottom - 50, 60, 50);
    A->SetBounds(10, 10, 40, 30);
    A->SetHint("a hint wider than what is left of the screen");
    Pump();
    Point(A, 35, 25);
    Advance(500);
    ASSERT_TRUE(Showing());
    const TRect r = App->HintWindow()->BoundsRect();
    EXPECT_EQ(r.Right, screen.Right);
    EXPECT_EQ(r.Bottom, screen.Bottom);
    EXPECT_GT(r.Width(), 60);
}

// The pane under the player's hands: wheel, keys, scroll bar, links and back.
#include <gtest/gtest.h>

#include "browser/TWebBrowser.h"
#include "tests/HeadlessApp.h"

namespace {

constexpr unsigned kLoadWaitMs = 20'000;

class PaneInputTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Pane = Make<TWebBrowser>(0, 0, 200, 120);
        Show();
        std::string items;
        for (int i = 0; i < 60; ++i)
            items += "<p style=\"margin:0;height:20px\">line " + std::to_string(i) + "</p>";
        Scratch.Write("other.html", "<p>other page</p>");
        Scratch.Write("long.html", "<body style=\"margin:0\"><a href=\"other.html\" "
                                   "style=\"display:block;height:20px\">go</a>" +
                                       items + "</body>");
        Pane->Navigate(Scratch / "long.html");
        EXPECT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
        Pump();
    }
    void Wheel(int notches) {
        const TPoint p = InWindow(Pane, 50, 50);
        Host->InjectWheel(Window(), p.X, p.Y, notches);
        Pump();
    }

    TWebBrowser* Pane = nullptr;
    TTempFolder Scratch;
};

TEST_F(PaneInputTest, WheelAndKeysScrollWithinThePage) {
    ASSERT_GT(Pane->View().ContentHeight(), Pane->PageRect().Height());
    Wheel(-1);
    EXPECT_EQ(Pane->ScrollTop(), 3 * TPaneScrollBar::kLineStep);
    Wheel(5);
    EXPECT_EQ(Pane->ScrollTop(), 0);
    Click(Pane, 50, 50);
    Key(VK_END);
    const int bottom = Pane->View().ContentHeight() - Pane->PageRect().Height();
    EXPECT_EQ(Pane->ScrollTop(), bottom);
    Key(VK_PRIOR);
    EXPECT_EQ(Pane->ScrollTop(), bottom - Pane->PageRect().Height());
    Key(VK_HOME);
    EXPECT_EQ(Pane->ScrollTop(), 0);
}

TEST_F(PaneInputTest, ScrollBarArrowsAndTrack) {
    const TRect bar = Pane->PageRect();
    const int x = bar.Right + 4; // the bar is right of the page
    Click(Pane, x, bar.Bottom - 4);
    EXPECT_EQ(Pane->ScrollTop(), TPaneScrollBar::kLineStep);
    Click(Pane, x, bar.Bottom - 30);
    EXPECT_EQ(Pane->ScrollTop(), TPaneScrollBar::kLineStep + Pane->PageRect().Height());
}

TEST_F(PaneInputTest, DraggingTheThumbScrollsInProportion) {
    const TRect page = Pane->PageRect();
    const int x = page.Right + 4;
    Down(Pane, x, page.Top + 20); // on the thumb, at the top of the track
    Move(Pane, x, page.Top + 40);
    Up(Pane, x, page.Top + 40);
    EXPECT_GT(Pane->ScrollTop(), 0);
    const int after = Pane->ScrollTop();
    Move(Pane, x, page.Top + 80); // released: no more dragging
    EXPECT_EQ(Pane->ScrollTop(), after);
}

TEST_F(PaneInputTest, ALinkOpensInThePaneAndBackspaceReturns) {
    Move(Pane, 10, 10);
    EXPECT_EQ(Pane->Cursor(), crHandPoint);
    Click(Pane, 10, 10);
    EXPECT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_NE(Pane->LocationURL().find("other.html"), std::string::npos);
    EXPECT_LT(Pane->View().ContentHeight(), Pane->PageRect().Height());
    Key(VK_BACK);
    EXPECT_TRUE(Pane->WaitUntilLoaded(kLoadWaitMs));
    EXPECT_EQ(Pane->LocationURL(), Scratch / "long.html");
    Key(VK_BACK); // nothing before the first page
    EXPECT_EQ(Pane->LocationURL(), Scratch / "long.html");
}

} // namespace

// Status bar panels: each starts where the widths before it end, a gap of 2
// separates them, the last one takes what is left whatever its own width, and
// the painted bevels follow width changes.

#include "tests/HeadlessApp.h"

#include "framework/stdctrls/TStatusBar.h"
#include "platform/headless/THeadlessWindow.h"

namespace {
class StatusBarPanels : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Form->SetBorderStyle(bsSingle); // no size grip in the corner
        Form->SetClientSize(354, 100);
        Bar = Make<TStatusBar>(0, 0, 354, 19);
    }
    void AddPanels(std::initializer_list<int> widths) {
        for (int w : widths)
            Bar->Panels()->Add()->SetWidth(w);
    }
    // A pixel of the bar as the window shows it.
    uint32_t At(int x, int y) {
        Pump();
        const TPoint p = InWindow(Bar, x, y);
        return static_cast<THeadlessWindow*>(Window())->Picture().Pixel(p.X, p.Y);
    }
    static uint32_t Rgb(TColor c) { return static_cast<uint32_t>(ColorToRGB(c)); }

    TStatusBar* Bar = nullptr;
};
} // namespace

TEST_F(StatusBarPanels, EachStartsWhereTheWidthsBeforeItEnd) {
    AddPanels({145, 50}); // the launcher's bar
    ASSERT_EQ(Bar->Width(), 354);
    EXPECT_EQ(Bar->PanelRect(0), Rect(0, 2, 143, 19));
    EXPECT_EQ(Bar->PanelRect(1), Rect(145, 2, 352, 19));
    // The last panel reaches the end whether it is narrower or wider than that.
    for (int w : {1, 207, 5000}) {
        Bar->Panels()->Items(1)->SetWidth(w);
        EXPECT_EQ(Bar->PanelRect(1), Rect(145, 2, 352, 19)) << w;
    }
    AddPanels({30});
    EXPECT_EQ(Bar->PanelRect(1), Rect(145, 2, 5143, 19)); // no longer the last
    EXPECT_EQ(Bar->PanelRect(2), Rect(5145, 2, 352, 19)); // past the end: empty
    // A lone panel spans the bar.
    Bar->Panels()->Clear();
    AddPanels({10});
    EXPECT_EQ(Bar->PanelRect(0), Rect(0, 2, 352, 19));
}

TEST_F(StatusBarPanels, BevelsArePaintedWhereThePanelsAre) {
    AddPanels({100, 50});
    Show();
    const uint32_t shadow = Rgb(clBtnShadow), light = Rgb(clBtnHighlight);
    const uint32_t bare = Rgb(Bar->Color());
    ASSERT_NE(bare, shadow);
    ASSERT_NE(bare, light);
    // Sunken: shadow left and top, highlight right and bottom, the gap bare.
    EXPECT_EQ(At(0, 10), shadow);
    EXPECT_EQ(At(5, 2), shadow);
    EXPECT_EQ(At(5, 1), bare);
    EXPECT_EQ(At(97, 10), light);
    EXPECT_EQ(At(5, 18), light);
    EXPECT_EQ(At(98, 10), bare);
    EXPECT_EQ(At(99, 10), bare);
    EXPECT_EQ(At(100, 10), shadow);
    EXPECT_EQ(At(101, 10), bare);
    EXPECT_EQ(At(351, 10), light);
    EXPECT_EQ(At(352, 10), bare);
    EXPECT_EQ(At(353, 10), bare);
    // A new width repaints the row: the second panel now starts at 60.
    Bar->Panels()->Items(0)->SetWidth(60);
    EXPECT_EQ(At(57, 10), light);
    EXPECT_EQ(At(58, 10), bare);
    EXPECT_EQ(At(60, 10), shadow);
    EXPECT_EQ(At(97, 10), bare);
    EXPECT_EQ(At(100, 2), shadow); // the second panel's top edge
    EXPECT_EQ(At(100, 10), bare);
    // A panel that starts past the end of the bar is not drawn at all, and the
    // first panel's right edge is cut off.
    Bar->Panels()->Items(0)->SetWidth(400);
    EXPECT_EQ(At(351, 10), bare);
    EXPECT_EQ(At(351, 18), light);
    EXPECT_EQ(At(352, 10), bare);
}

// Hot and pressed title buttons: each change repaints one button's rectangle
// in place, and a release over the pressed button runs its action.

#include "FrameFixture.h"
#include "framework/forms/TScreen.h"
#include "platform/headless/THeadlessHost.h"
#include "platform/headless/THeadlessWindow.h"

using TitleButtonState = FrameTest;

namespace {
// Every pixel that differs between two pictures lies inside r; true when any differs.
bool ChangedOnlyInside(const TBitmap& before, const TBitmap& after, TRect r) {
    bool any = false;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x) {
            if (before.Pixel(x, y) == after.Pixel(x, y)) continue;
            if (!r.Contains({x, y})) {
                ADD_FAILURE() << "pixel " << x << "," << y << " changed outside";
                return false;
            }
            any = true;
        }
    return any;
}
} // namespace

TEST_F(TitleButtonState, HotAndPressedRepaintOnlyTheirRectangle) {
    MakeFrame(bsSingle);
    const TRect close = Provider->ButtonClose.Rect;
    TBitmap before(Form->Width(), Form->Height());
    before.Assign(*Form->BackBuffer());
    Provider->SetHot(HTCLOSE);
    EXPECT_EQ(Provider->ButtonClose.State, tbsHot);
    EXPECT_FALSE(Provider->SkinData()->BGChanged);
    EXPECT_TRUE(ChangedOnlyInside(before, *Form->BackBuffer(), close));

    before.Assign(*Form->BackBuffer());
    Provider->Press(HTCLOSE);
    EXPECT_EQ(Provider->ButtonClose.State, tbsPressed);
    EXPECT_TRUE(ChangedOnlyInside(before, *Form->BackBuffer(), close));

    before.Assign(*Form->BackBuffer());
    Provider->SetHot(HTMINBUTTON);
    EXPECT_EQ(Provider->ButtonClose.State, tbsNormal);
    EXPECT_EQ(Provider->ButtonMin.State, tbsHot);
    TRect both = Provider->ButtonMin.Rect;
    both.Right = close.Right;
    EXPECT_TRUE(ChangedOnlyInside(before, *Form->BackBuffer(), both));
}

TEST_F(TitleButtonState, ActionRunsOnReleaseOverThePressedButton) {
    MakeFrame(bsSingle);
    const TPoint min = ScreenOf({260, 10}), close = ScreenOf({280, 10});
    Form->Perform(WM_NCLBUTTONDOWN, HTMINBUTTON, PointToLParam(min));
    EXPECT_EQ(Provider->ButtonMin.State, tbsPressed);
    // Released elsewhere: nothing happens and the button is normal again.
    Form->Perform(WM_NCLBUTTONUP, HTCAPTION, PointToLParam(close));
    EXPECT_EQ(Provider->ButtonMin.State, tbsNormal);
    EXPECT_EQ(Form->WindowState(), wsNormal);
    Form->Perform(WM_NCLBUTTONDOWN, HTMINBUTTON, PointToLParam(min));
    Form->Perform(WM_NCLBUTTONUP, HTMINBUTTON, PointToLParam(min));
    EXPECT_EQ(Form->WindowState(), wsMinimized);
    bool closed = false;
    Form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    Form->Perform(WM_NCLBUTTONDOWN, HTCLOSE, PointToLParam(close));
    Form->Perform(WM_NCLBUTTONUP, HTCLOSE, PointToLParam(close));
    EXPECT_TRUE(closed);
}

TEST_F(TitleButtonState, MouseLeavingTheWindowClearsTheHotButton) {
    MakeFrame(bsSingle);
    Provider->SetHot(HTCLOSE);
    Form->Perform(WM_MOUSELEAVE);
    EXPECT_EQ(Provider->HotCode, HTNOWHERE);
    EXPECT_EQ(Provider->ButtonClose.State, tbsNormal);
}

TEST_F(TitleButtonState, ScreenSnapPutsNearEdgesOnTheWorkArea) {
    MakeFrame(bsSingle);
    Provider->SetScreenSnap(true);
    const TRect work = Screen->WorkAreaRect();
    Form->SetBounds(work.Left + 7, 100, 300, 200);
    EXPECT_EQ(Form->Left(), work.Left);
    Form->SetBounds(work.Right - 300 + 10, work.Bottom - 200 - 9, 300, 200);
    EXPECT_EQ(Form->Left(), work.Right - 300);
    EXPECT_EQ(Form->Top(), work.Bottom - 200);
    // A move reported by the window manager snaps too, and the window follows.
    auto& host = static_cast<THeadlessHost&>(Host());
    host.InjectMoved(Form->HostWindow(), {work.Left + 4, 300});
    Pump();
    EXPECT_EQ(Form->Left(), work.Left);
    EXPECT_EQ(host.Find(Form->HostWindow())->Bounds().Left, work.Left);
}

TEST_F(TitleButtonState, APressOnTheIconOpensTheMenuAndADoubleClickCloses) {
    MakeFrame(bsSingle);
    Provider->SetShowAppIcon(true);
    Pump();
    EXPECT_EQ(HitAt(3, 10), HTSYSMENU);
    EXPECT_EQ(HitAt(18, 10), HTSYSMENU);
    EXPECT_EQ(HitAt(19, 10), HTCAPTION);
    TPoint dropped{-1, -1};
    Provider->OnDropSysMenu = [&](TsSkinProvider&, TPoint at) { dropped = at; };
    Form->Perform(WM_NCLBUTTONDOWN, HTSYSMENU, PointToLParam(ScreenOf({5, 10})));
    // Below the icon: window left + border, top + border + icon height.
    EXPECT_EQ(dropped, ScreenOf({3, 3 + 16}));
    bool closed = false;
    Form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    Form->Perform(WM_NCLBUTTONDBLCLK, HTSYSMENU, PointToLParam(ScreenOf({5, 10})));
    EXPECT_TRUE(closed);
}

TEST_F(TitleButtonState, RemovingTheSkinGivesTheFormItsOwnFrameBack) {
    Form->SetBorderIcons(biSystemMenu);
    MakeFrame(bsSingle);
    Form->Perform(SM_VESKACMD, SkinWParam(SKC_REMOVESKIN));
    EXPECT_FALSE(Provider->SkinActive());
    EXPECT_EQ(Form->BorderIcons(), static_cast<TBorderIcons>(biSystemMenu));
    EXPECT_EQ(Form->WindowRgn(), nullptr);
    // The plain frame answers again: its close button sits two pixels inside the frame.
    EXPECT_EQ(Form->Perform(WM_NCHITTEST, 0, PointToLParam(ScreenOf({290, 12}))), HTCLOSE);
}

// Where the title buttons sit and what each point of the title answers.

#include "FrameFixture.h"

using TitleButtonLayout = FrameTest;

// Band rows 2..20 on a single-border window: (3 + 19 - 18) / 2 = 2.
constexpr int BandY = 10;

TEST_F(TitleButtonLayout, SingleBorderShowsCloseThenMinimiseOnePixelApart) {
    MakeFrame(bsSingle);
    // Slot n starts at 300 - 3 - 24 n; the buttons are 23 x 18, top 2.
    EXPECT_EQ(Provider->ButtonClose.Rect, Rect(273, 2, 296, 20));
    EXPECT_EQ(Provider->ButtonMin.Rect, Rect(249, 2, 272, 20));
    EXPECT_EQ(Provider->ButtonMax.State, tbsAbsent);
    EXPECT_EQ(Provider->ButtonHelp.State, tbsAbsent);
    EXPECT_EQ(HitAt(296, BandY), HTCLOSE);
    EXPECT_EQ(HitAt(273, BandY), HTCLOSE);
    // The gap pixel lies in both inclusive spans; the nearer slot to the right wins.
    EXPECT_EQ(HitAt(272, BandY), HTMINBUTTON);
    EXPECT_EQ(HitAt(249, BandY), HTMINBUTTON);
    EXPECT_EQ(HitAt(248, BandY), HTCAPTION);
    EXPECT_EQ(HitAt(100, 2), HTCAPTION);
    EXPECT_EQ(HitAt(100, 20), HTCAPTION);
    EXPECT_EQ(HitAt(100, 21), HTNOWHERE);
    EXPECT_EQ(HitAt(280, 1), HTNOWHERE);
}

TEST_F(TitleButtonLayout, WindowHitTestFallsBackToTheFormOutsideTheButtons) {
    MakeFrame(bsSingle);
    auto hit = [&](int x, int y) {
        return static_cast<int>(Form->Perform(WM_NCHITTEST, 0, PointToLParam(ScreenOf({x, y}))));
    };
    EXPECT_EQ(hit(280, BandY), HTCLOSE);
    EXPECT_EQ(hit(100, BandY), HTCAPTION);
    EXPECT_EQ(hit(100, 100), HTCLIENT);
    EXPECT_EQ(hit(1, 100), HTBORDER);
    EXPECT_EQ(Provider->HotCode, HTNOWHERE);
}

TEST_F(TitleButtonLayout, SizeableShowsAllThreeAndDialogOnlyClose) {
    MakeFrame(bsSizeable);
    // 300 - 4 - 24 n; top (19 - 18 + 4) / 2 = 2.
    EXPECT_EQ(Provider->ButtonClose.Rect.Left, 272);
    EXPECT_EQ(Provider->ButtonMax.Rect.Left, 248);
    EXPECT_EQ(Provider->ButtonMin.Rect.Left, 224);
    EXPECT_EQ(HitAt(250, BandY), HTMAXBUTTON);
    EXPECT_EQ(HitAt(230, BandY), HTMINBUTTON);
    Form->SetBorderStyle(bsDialog);
    TsSkinProvider dialog(Form);
    dialog.PaintAll();
    EXPECT_NE(dialog.ButtonClose.State, tbsAbsent);
    EXPECT_EQ(dialog.ButtonMin.State, tbsAbsent);
    EXPECT_EQ(dialog.ButtonMax.State, tbsAbsent);
}

TEST_F(TitleButtonLayout, UserButtonsFollowAndADisabledOneIsCaption) {
    MakeFrame(bsSingle);
    auto* first = static_cast<TsTitleButton*>(Provider->TitleButtons()->Add());
    auto* second = static_cast<TsTitleButton*>(Provider->TitleButtons()->Add());
    EXPECT_EQ(first->Name(), "TsTitleButton");
    second->SetEnabled(false);
    Provider->PaintAll();
    EXPECT_EQ(first->Data.Rect.Left, 225);
    EXPECT_EQ(second->Data.Rect.Left, 201);
    EXPECT_EQ(HitAt(230, BandY), HTUSERBUTTON);
    EXPECT_EQ(HitAt(205, BandY), HTCAPTION);
}

TEST_F(TitleButtonLayout, WithoutACloseMaskTheOthersMoveRight) {
    MakeFrame(bsSingle);
    DropMask("FORM", "BICONCLOSE");
    // 21 x 21 buttons: slot 1 at 300 - 3 - 22; top (19 - 21 + 3) / 2 = 0.
    EXPECT_EQ(Provider->ButtonClose.State, tbsAbsent);
    EXPECT_EQ(Provider->ButtonMin.Rect, Rect(275, 0, 296, 21));
}

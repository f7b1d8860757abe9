// The label bound to a skinned edit: where each layout places it, its
// fixed width, its name and caption, and how it follows its control.

#include "FieldFixture.h"

#include "controls/TsEdit.h"
#include "controls/TsEditLabel.h"

namespace {

class BoundLabel : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        E = AddField<TsEdit>({100, 60, 121, 21});
        E->SetName("sEdit1");
        B = E->BoundLabel();
        B->SetCaption("Login:");
        B->SetActive(true);
        L = B->Label();
        Show();
    }
    TsEdit* E = nullptr;
    TsBoundLabel* B = nullptr;
    TsEditLabel* L = nullptr;
};

} // namespace

TEST_F(BoundLabel, EachLayoutPlacesTheLabel) {
    ASSERT_NE(L, nullptr);
    const int w = L->Width(), h = L->Height();
    ASSERT_GT(w, 0);
    // Left: 4 pixels before the control, centred one pixel high.
    EXPECT_EQ(L->BoundsRect(), Bounds(100 - w - 4, 60 + (21 - h) / 2 - 1, w, h));
    B->SetIndent(3);
    EXPECT_EQ(L->Left(), 100 - w - 7);
    struct TCase {
        TsBoundLabelLayout Layout;
        int Left;
    };
    for (const TCase& c : {TCase{sclTopLeft, 100}, TCase{sclTopCenter, 100 + (121 - w) / 2},
                           TCase{sclTopRight, 221 - w}}) {
        B->SetLayout(c.Layout);
        EXPECT_EQ(L->BoundsRect(), Bounds(c.Left, 60 - h - 3, w, h)) << c.Layout;
    }
}

TEST_F(BoundLabel, AFixedWidthWrapsAndIsAtLeastTheControlsHeight) {
    B->SetMaxWidth(30);
    EXPECT_EQ(L->Width(), 30);
    EXPECT_TRUE(L->WordWrap());
    EXPECT_FALSE(L->AutoSize());
    EXPECT_GE(L->Height(), 21);
    EXPECT_EQ(L->Left(), 100 - 30 - 4);
}

TEST_F(BoundLabel, IsNamedAfterItsControlAndFocusesIt) {
    EXPECT_EQ(L->Name(), "sEdit1Label");
    EXPECT_EQ(L->Caption(), "Login:");
    EXPECT_EQ(L->Parent(), Form);
    EXPECT_EQ(L->FocusControl(), E);
    EXPECT_EQ(L->Alignment(), taRightJustify);
    B->SetActive(false);
    B->SetCaption("");
    B->SetActive(true);
    // Without a caption the control's name is taken, and kept.
    EXPECT_EQ(B->Label()->Caption(), "sEdit1");
    EXPECT_EQ(B->Caption(), "sEdit1");
}

TEST_F(BoundLabel, FollowsItsControl) {
    E->SetBounds(150, 100, 121, 30);
    EXPECT_EQ(L->Left(), 150 - L->Width() - 4);
    EXPECT_EQ(L->Top(), 100 + (30 - L->Height()) / 2 - 1);
    E->SetVisible(false);
    EXPECT_FALSE(L->Visible());
    E->SetVisible(true);
    E->SetEnabled(false);
    EXPECT_TRUE(L->Visible());
    EXPECT_FALSE(L->Enabled());
    // Freed by someone else, the label leaves its bound label inactive.
    delete L;
    EXPECT_FALSE(B->Active());
    E->SetBounds(10, 10, 121, 21);
    delete E; // and the edit goes without touching it
    Pump();
}

// The skinned edit: its cached look (password stars, the text written on
// the section), the plain text area with caret and selection inside the
// skinned frame while focused, the editing keys, hover only where the
// section allows it, and its states as golden images.

#include "FieldFixture.h"

#include "controls/TsEdit.h"
#include "framework/graphics/Graphics.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinState.h"

namespace {

constexpr TBox EditBox = {20, 20, 121, 21};

class SkinnedEdit : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        E = AddField<TsEdit>(EditBox);
        Show();
    }
    void Focus() {
        E->SetFocus();
        Pump();
    }
    TsEdit* E = nullptr;
};

} // namespace

TEST_F(SkinnedEdit, PasswordTextIsCachedAsOneStarPerLetter) {
    E->SetText("abc");
    E->SetPasswordChar("*");
    auto* stars = AddField<TsEdit>({20, 60, 121, 21});
    stars->SetText("***");
    auto* plain = AddField<TsEdit>({20, 100, 121, 21});
    plain->SetText("abc");
    Pump();
    EXPECT_EQ(E->ShownText(), "***");
    EXPECT_TRUE(SameBitmap(*E->SkinData()->CacheBmp(), *stars->SkinData()->CacheBmp()));
    EXPECT_FALSE(SameBitmap(*E->SkinData()->CacheBmp(), *plain->SkinData()->CacheBmp()));
    EXPECT_TRUE(ScreenShowsCache(E, Rect(0, 0, E->Width(), E->Height())));
}

TEST_F(SkinnedEdit, FocusedShowsCaretAndSelectionInsideTheSkinnedFrame) {
    E->SetText("abc");
    Pump();
    Focus();
    ASSERT_TRUE(E->SkinData()->ControlIsActive());
    // The frame comes from the cache, now in the hot look.
    const int w = E->Width(), h = E->Height();
    EXPECT_TRUE(ScreenShowsCache(E, Rect(0, 0, w, 2)));
    EXPECT_TRUE(ScreenShowsCache(E, Rect(0, h - 2, w, h)));
    EXPECT_TRUE(ScreenShowsCache(E, Rect(0, 0, 2, h)));
    EXPECT_TRUE(ScreenShowsCache(E, Rect(w - 2, 0, w, h)));
    // Focus by the keyboard selects everything: the highlight is drawn.
    ASSERT_EQ(E->SelLength(), 3);
    const int x = (E->PosToX(0) + E->PosToX(3)) / 2;
    EXPECT_EQ(OnScreen(E, x, h / 2 - 3), ColorToRGB(clHighlight));
    // Collapsed, the caret is a line of the font's colour at its place.
    Key(VK_END);
    ASSERT_TRUE(E->CaretVisible());
    EXPECT_EQ(OnScreen(E, E->PosToX(3), h / 2), ColorToRGB(E->Font()->Color()));
    EXPECT_NE(OnScreen(E, E->PosToX(3) + 2, h / 2), ColorToRGB(E->Font()->Color()));
}

TEST_F(SkinnedEdit, TypingSelectingClipboardAndUndoStillWork) {
    Focus();
    Type("abc");
    EXPECT_EQ(E->Text(), "abc");
    Key(VK_HOME);
    Key(VK_RIGHT, kmShift);
    EXPECT_EQ(E->SelText(), "a");
    Key('C', kmCtrl);
    EXPECT_EQ(Host->ClipboardText(), "a");
    Key(VK_END);
    Key('V', kmCtrl);
    EXPECT_EQ(E->Text(), "abca");
    Key('Z', kmCtrl);
    EXPECT_EQ(E->Text(), "abc");
    Key('Z', kmCtrl); // undoing the undo
    EXPECT_EQ(E->Text(), "abca");
    E->Perform(WM_UNDO);
    EXPECT_EQ(E->Text(), "abc");
    Key(VK_HOME, kmShift);
    Key('X', kmCtrl);
    EXPECT_EQ(E->Text(), "");
    EXPECT_EQ(Host->ClipboardText(), "abc");
    // Left, the edit shows the text it was given in its cached look.
    Key('V', kmCtrl);
    Away->SetFocus();
    Pump();
    EXPECT_FALSE(E->SkinData()->ControlIsActive());
    auto* same = AddField<TsEdit>({20, 60, 121, 21});
    same->SetText("abc");
    Pump();
    EXPECT_TRUE(SameBitmap(*E->SkinData()->CacheBmp(), *same->SkinData()->CacheBmp()));
    EXPECT_TRUE(ScreenShowsCache(E, Rect(0, 0, E->Width(), E->Height())));
}

TEST_F(SkinnedEdit, HoverChangesTheLookOnlyWhereTheSectionAllowsIt) {
    const int index = E->SkinData()->SkinIndex;
    ASSERT_TRUE(IsValidSkinIndex(index));
    ASSERT_FALSE(SkinGeneralData[index].ReservedBoolean);
    MoveTo(E, 30, 10);
    EXPECT_FALSE(E->SkinData()->MouseAbove);
    EXPECT_FALSE(E->SkinData()->ControlIsActive());
    MoveTo(E, -10, -10);

    SkinGeneralData[index].ReservedBoolean = true;
    MoveTo(E, 30, 10);
    EXPECT_TRUE(E->SkinData()->ControlIsActive());
    MoveTo(E, -10, -10);
    EXPECT_FALSE(E->SkinData()->ControlIsActive());
    SkinGeneralData[index].ReservedBoolean = false;
}

TEST_F(SkinnedEdit, EachStateMatchesItsGoldenImage) {
    E->SetText("Jogador");
    Pump();
    ExpectGolden(E, "edit-normal");
    Focus();
    Key(VK_END);
    ExpectGolden(E, "edit-focused");
    Away->SetFocus();
    E->SetEnabled(false);
    Pump();
    ExpectGolden(E, "edit-disabled");
}

// The skinned combo box: no text without a choice, the glyph's state while
// the list is open, the keys that change the choice, read-only blocking
// them, and its states as golden images.

#include "FieldFixture.h"

#include "controls/TsComboBox.h"
#include "platform/VirtualKeys.h"
#include "skin/SkinPaint.h"

namespace {

constexpr TBox ComboBox = {20, 20, 121, 21};

class SkinnedComboBox : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        C = AddCombo(ComboBox);
        Show();
    }
    TsComboBox* AddCombo(TBox box) {
        auto* c = AddField<TsComboBox>(box);
        c->SetStyle(csDropDownList);
        for (const char* item : {"640x480", "800x600", "1024x768"})
            c->Items()->Add(item);
        return c;
    }
    TsComboBox* C = nullptr;
};

} // namespace

TEST_F(SkinnedComboBox, WithoutAChoiceTheCacheHoldsNoText) {
    EXPECT_EQ(C->SkinData()->SkinSection(), "COMBOBOX");
    EXPECT_EQ(C->DropDownCount(), 16);
    // A box whose chosen item is empty looks as one with no choice.
    auto* empty = AddCombo({20, 60, 121, 21});
    empty->Items()->Clear();
    empty->Items()->Add("");
    empty->SetItemIndex(0);
    auto* chosen = AddCombo({20, 100, 121, 21});
    chosen->SetItemIndex(0);
    Pump();
    ASSERT_EQ(C->ItemIndex(), -1);
    EXPECT_TRUE(SameBitmap(*C->SkinData()->CacheBmp(), *empty->SkinData()->CacheBmp()));
    EXPECT_FALSE(SameBitmap(*C->SkinData()->CacheBmp(), *chosen->SkinData()->CacheBmp()));
}

TEST_F(SkinnedComboBox, TheGlyphIsPushedWhileTheListIsOpen) {
    const TSize glyph = C->GlyphSize();
    ASSERT_GT(glyph.cx, 0);
    EXPECT_EQ(C->GlyphRect(), Rect(121 - glyph.cx - 2, (21 - glyph.cy) / 2, 121 - 2,
                                   (21 - glyph.cy) / 2 + glyph.cy));
    EXPECT_EQ(C->GlyphState(), psNormal);
    C->SetFocus();
    Pump();
    EXPECT_EQ(C->GlyphState(), psHot);
    Key(VK_F4);
    ASSERT_TRUE(C->DroppedDown());
    EXPECT_TRUE(C->ListOpen());
    EXPECT_EQ(C->GlyphState(), psPressed);
    EXPECT_TRUE(ScreenShowsCache(C, Rect(0, 0, C->Width(), C->Height())));
    // Closed by the list itself, the box notices at its next paint.
    C->CloseUp(false);
    Pump();
    EXPECT_FALSE(C->ListOpen());
    EXPECT_EQ(C->GlyphState(), psHot);
    // Leaving closes an open list.
    Key(VK_F4);
    ASSERT_TRUE(C->DroppedDown());
    C->Perform(CM_EXIT);
    Pump();
    EXPECT_FALSE(C->DroppedDown());
    EXPECT_FALSE(C->ListOpen());
}

TEST_F(SkinnedComboBox, ArrowsChooseUnlessReadOnly) {
    C->SetItemIndex(0);
    C->SetFocus();
    Pump();
    Key(VK_DOWN);
    EXPECT_EQ(C->ItemIndex(), 1);
    C->SetReadOnly(true);
    Key(VK_DOWN);
    Key(VK_F4);
    Key(VK_DOWN, kmAlt);
    EXPECT_EQ(C->ItemIndex(), 1);
    EXPECT_FALSE(C->DroppedDown());
    for (uint32_t msg : {WM_CHAR, WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO})
        EXPECT_EQ(C->Perform(msg, '8'), 0);
    EXPECT_EQ(C->ItemIndex(), 1);
    C->SetReadOnly(false);
    Key(VK_UP);
    EXPECT_EQ(C->ItemIndex(), 0);
}

TEST_F(SkinnedComboBox, EachStateMatchesItsGoldenImage) {
    C->SetItemIndex(1);
    Pump();
    ExpectGolden(C, "combobox-normal");
    C->SetFocus();
    Pump();
    ExpectGolden(C, "combobox-focused");
    Key(VK_F4);
    ExpectGolden(C, "combobox-open");
    Key(VK_ESCAPE);
    Away->SetFocus();
    C->SetEnabled(false);
    Pump();
    ExpectGolden(C, "combobox-disabled");
}

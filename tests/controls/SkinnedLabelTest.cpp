#include "SkinnedFixture.h"
#include "controls/TsEditLabel.h"
#include "controls/TsLabel.h"

namespace {

class SkinnedLabel : public SkinnedTest {
protected:
    TSize Measured(const std::string& text, const TFont& font) {
        TBitmap scratch;
        TCanvas canvas(&scratch);
        canvas.SetFont(font);
        TRect r = Rect(0, 0, 0, 0);
        canvas.DrawText(text, r, DT_CALCRECT | DT_EXPANDTABS);
        return {r.Width(), r.Height()};
    }
};

TEST_F(SkinnedLabel, LabelsTakeTheSizeOfTheirTextAndSeeThrough) {
    auto* label = new TsLabel(Form);
    label->SetParent(Form);
    label->SetBounds(100, 28, 10, 10);
    label->SetAlignment(taRightJustify);
    label->SetCaption("Resolução:");
    const TSize size = Measured("Resolução:", *label->Font());
    EXPECT_EQ(label->Width(), size.cx);
    EXPECT_EQ(label->Height(), size.cy);
    // Right-justified, it keeps its right edge.
    EXPECT_EQ(label->Left() + label->Width(), 110);
    EXPECT_TRUE(label->Transparent());
}

TEST_F(SkinnedLabel, AnEditLabelTellsItsBoundLabelWhenItGoesFirst) {
    auto* bound = new TsLabel(Form);
    auto* label = new TsEditLabel(Form, bound);
    std::vector<TObject*> gone;
    label->OnGone = [&](TObject* sender) { gone.push_back(sender); };
    delete label;
    ASSERT_EQ(gone.size(), 1u);
    auto* orphan = new TsEditLabel(Form, bound);
    orphan->OnGone = [&](TObject* sender) { gone.push_back(sender); };
    delete bound;
    EXPECT_EQ(orphan->BoundLabel(), nullptr);
    delete orphan;
    EXPECT_EQ(gone.size(), 1u);
}

} // namespace

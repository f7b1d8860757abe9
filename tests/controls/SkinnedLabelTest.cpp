#include "SkinnedFixture.h"
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

} // namespace

// The plain label's automatic size: it follows the text as drawn (accelerator
// marks do not count), keeps the edge its alignment anchors, and wraps at its
// own width when WordWrap is on.

#include "tests/HeadlessApp.h"

#include "framework/graphics/TBitmap.h"
#include "framework/graphics/TCanvas.h"
#include "framework/stdctrls/TLabel.h"

namespace {
class LabelAutoSize : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        NewForm();
        Label = Make<TLabel>(40, 10, 65, 17);
    }
    // The extent of text in the label's font, measured apart from the label.
    TSize Extent(const std::string& text) const {
        TBitmap probe(1, 1);
        probe.Canvas()->SetFont(*Label->Font());
        return probe.Canvas()->TextExtent(text);
    }
    TRect Expected(int left, const std::string& drawn) const {
        const TSize s = Extent(drawn);
        return Bounds(left, 10, s.cx, s.cy);
    }

    TLabel* Label = nullptr;
};
} // namespace

TEST_F(LabelAutoSize, TheSizeIsTheTextAsDrawn) {
    Label->SetCaption("Resolução:");
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "Resolução:"));
    // The accelerator mark is not drawn, a doubled one is drawn once.
    Label->SetCaption("&Login");
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "Login"));
    Label->SetCaption("A && B");
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "A & B"));
    Label->SetShowAccelChar(false);
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "A && B"));
    // An empty label keeps the height of a line, so it can be found and clicked.
    Label->SetCaption("");
    EXPECT_EQ(Label->BoundsRect(), Expected(40, " "));
    EXPECT_GT(Label->Height(), 0);
    // A bigger font makes a bigger label.
    Label->SetCaption("Volume");
    const int before = Label->Width();
    Label->Font()->SetHeight(-20);
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "Volume"));
    EXPECT_GT(Label->Width(), before);
}

TEST_F(LabelAutoSize, TheAlignmentDecidesWhichEdgeStays) {
    Label->SetCaption("Cores:");
    Label->SetAlignment(taRightJustify);
    const int right = Label->Left() + Label->Width();
    Label->SetCaption("Profundidade de cor:");
    EXPECT_EQ(Label->Left() + Label->Width(), right);
    EXPECT_EQ(Label->Width(), Extent("Profundidade de cor:").cx);
    Label->SetCaption("x");
    EXPECT_EQ(Label->Left() + Label->Width(), right);
    // Left-justified and centred labels keep their left edge.
    for (TAlignment a : {taLeftJustify, taCenter}) {
        Label->SetAlignment(a);
        Label->SetCaption("x");
        Label->SetLeft(40);
        Label->SetCaption("a longer caption");
        EXPECT_EQ(Label->Left(), 40) << a;
        EXPECT_EQ(Label->Width(), Extent("a longer caption").cx) << a;
    }
}

TEST_F(LabelAutoSize, OffKeepsTheSizeWordWrapKeepsTheWidth) {
    Label->SetAutoSize(false);
    Label->SetCaption("a caption much longer than the label");
    EXPECT_EQ(Label->BoundsRect(), Bounds(40, 10, 65, 17));
    Label->SetAutoSize(true); // switching it on sizes at once
    EXPECT_EQ(Label->BoundsRect(), Expected(40, "a caption much longer than the label"));

    // Wrapped at its width: three words that fit one per line give three lines.
    const int wordWidth = Extent("Música").cx;
    Label->SetAutoSize(false);
    Label->SetWidth(wordWidth + 2);
    Label->SetWordWrap(true);
    Label->SetAutoSize(true);
    Label->SetCaption("Música Música Música");
    EXPECT_EQ(Label->Width(), wordWidth + 2);
    EXPECT_EQ(Label->Height(), 3 * Extent("Música").cy);
}

#include "ContainerFixture.h"

namespace {

class GroupBoxCaption : public ContainerTest {
protected:
    void SetUp() override {
        ContainerTest::SetUp();
        Box = Place<TsGroupBox>(Form, {20, 20, 120, 60});
        Box->SetCaption("Audio");
        Show();
        TCanvas* canvas = Box->SkinData()->CacheBmp()->Canvas();
        canvas->SetFont(*Box->Font());
        Band = std::max(4, canvas->TextHeight("W")) + 2;
        TextWidth = canvas->TextWidth("Audio");
    }
    TsGroupBox* Box = nullptr;
    int Band = 0;
    int TextWidth = 0;
};

TEST_F(GroupBoxCaption, EachLayoutPlacesTheCaptionInTheBand) {
    const int w = 120;
    struct TCase {
        TsCaptionLayout Layout;
        int Left;
    } cases[] = {
        {clTopLeft, 6}, {clTopCenter, (w - TextWidth - 10) / 2}, {clTopRight, w - TextWidth - 14}};
    for (const TCase& c : cases) {
        Box->SetCaptionLayout(c.Layout);
        EXPECT_EQ(Box->CaptionRect(), Rect(c.Left, 0, c.Left + TextWidth + 8, Band)) << c.Layout;
    }
    Box->SetCaptionYOffset(5);
    EXPECT_EQ(Box->CaptionRect().Bottom, Band + 5);
}

TEST_F(GroupBoxCaption, ACaptionWiderThanTheBoxStartsAtZeroAndEndsAtTheEdge) {
    Box->SetWidth(TextWidth / 2);
    Box->SetCaptionLayout(clTopCenter);
    EXPECT_EQ(Box->CaptionRect(), Rect(0, 0, TextWidth / 2, Band));
    Box->SetCaptionLayout(clTopRight);
    EXPECT_EQ(Box->CaptionRect(), Rect(0, 0, TextWidth / 2, Band));
}

// With no caption the band shows only the parent's picture, and the frame
// still starts at half the band's height.
TEST_F(GroupBoxCaption, AnEmptyCaptionLeavesTheBandToTheParent) {
    auto* panel = Place<TsPanel>(Form, {150, 10, 140, 100});
    auto* empty = Place<TsGroupBox>(panel, {10, 10, 100, 60});
    Pump();
    empty->Repaint();
    const TBitmap* parent = panel->SkinData()->CacheBmp();
    const TBitmap* cache = empty->SkinData()->CacheBmp();
    const int half = Band / 2;
    for (int y = 0; y < half; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(cache->Pixel(x, y), parent->Pixel(10 + x, 10 + y)) << x << "," << y;
    // The frame's top border row differs from the panel below it.
    int framed = 0;
    for (int x = 0; x < 100; ++x)
        if (cache->Pixel(x, half) != parent->Pixel(10 + x, 10 + half)) ++framed;
    EXPECT_GT(framed, 50);
}

} // namespace

#include "ContainerFixture.h"
#include "paint/SkinText.h"
#include "tests/paint/PaintTestUtil.h"

namespace {

class StatusBarPanels : public ContainerTest {
protected:
    // The bar's freshly rendered picture.
    std::unique_ptr<TBitmap> Rendered(TsStatusBar* bar) {
        bar->SkinData()->BGChanged = true;
        bar->Repaint();
        return CacheOf(bar->SkinData());
    }
};

TEST_F(StatusBarPanels, TheLastPanelReachesTheRightEdge) {
    auto* bar = AddBar(Form, {0, 100, 354, 19}, {145, 50});
    EXPECT_EQ(bar->SkinPanelRect(0), Rect(0, 0, 146, 19));
    EXPECT_EQ(bar->SkinPanelRect(1), Rect(146, 0, 354, 19));
    bar->Panels()->Items(1)->SetWidth(500);
    EXPECT_EQ(bar->SkinPanelRect(1), Rect(146, 0, 354, 19));
    auto* one = AddBar(Form, {0, 130, 200, 19}, {10});
    EXPECT_EQ(one->SkinPanelRect(0), Rect(0, 0, 200, 19));
}

// Only a panel with another after it ends in the divider.
TEST_F(StatusBarPanels, ASinglePanelDrawsNoDivider) {
    auto* none = AddBar(Form, {0, 20, 200, 19}, {});
    auto* one = AddBar(Form, {0, 50, 200, 19}, {100});
    auto* two = AddBar(Form, {0, 80, 200, 19}, {100, 50});
    Show();
    auto bare = Rendered(none);
    EXPECT_TRUE(SamePixels(*Rendered(one), *bare));
    auto divided = Rendered(two);
    int changed = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 200; ++x)
            if (divided->Pixel(x, y) != bare->Pixel(x, y)) {
                ++changed;
                EXPECT_LE(x, 101) << x << "," << y;
                EXPECT_GE(y, 1) << x << "," << y;
                EXPECT_LE(y, 16) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
}

// A grip on a window of fixed size would promise a resize that never comes.
TEST_F(StatusBarPanels, TheGripShowsOnlyOnAResizableWindow) {
    auto* bare = AddBar(Form, {0, 20, 200, 19}, {100});
    auto* grip = AddBar(Form, {0, 50, 200, 19}, {100});
    grip->SetSizeGrip(true);
    Show();
    for (TFormBorderStyle fixed : {bsSingle, bsDialog}) {
        Form->SetBorderStyle(fixed);
        EXPECT_TRUE(SamePixels(*Rendered(grip), *Rendered(bare))) << fixed;
    }
    Form->SetBorderStyle(bsSizeable);
    EXPECT_FALSE(SamePixels(*Rendered(grip), *Rendered(bare)));
}

TEST_F(StatusBarPanels, OwnerDrawnPanelsGoToTheHandlerOrAreDrawnAsText) {
    auto* text = AddBar(Form, {0, 20, 200, 19}, {80, 50});
    auto* owner = AddBar(Form, {0, 50, 200, 19}, {80, 50});
    for (TsStatusBar* bar : {text, owner})
        bar->Panels()->Items(0)->SetText("versao 1.2");
    owner->Panels()->Items(0)->SetStyle(psOwnerDraw);
    Show();
    EXPECT_TRUE(SamePixels(*Rendered(owner), *Rendered(text)));
    std::vector<TRect> asked;
    owner->OnDrawPanel = [&](TsStatusBar*, TStatusPanel*, TCanvas* canvas, const TRect& r) {
        asked.push_back(r);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(RGBColor(1, 2, 3));
        canvas->FillRect(r);
    };
    auto drawn = Rendered(owner);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], Rect(1, 1, 80, 18));
    EXPECT_EQ(drawn->Pixel(1, 1), RGBColor(1, 2, 3));
    EXPECT_NE(drawn->Pixel(0, 0), RGBColor(1, 2, 3));
}

TEST_F(StatusBarPanels, ALongTextIsShortenedToItsPanel) {
    auto* bar = AddBar(Form, {0, 20, 200, 19}, {40, 50});
    bar->Panels()->Items(0)->SetText("Servidor de teste muito longo");
    auto* shortened = AddBar(Form, {0, 50, 200, 19}, {40, 50});
    Show();
    TCanvas* canvas = bar->SkinData()->CacheBmp()->Canvas();
    canvas->SetFont(*bar->Font());
    shortened->Panels()->Items(0)->SetText(CutText(*canvas, "Servidor de teste muito longo", 33));
    EXPECT_TRUE(SamePixels(*Rendered(bar), *Rendered(shortened)));
}

} // namespace

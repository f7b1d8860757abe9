#include "ContainerFixture.h"
#include "framework/component/TClassRegistry.h"
#include "tests/paint/PaintTestUtil.h"

namespace {

class Gauge : public ContainerTest {
protected:
    TsGauge* AddGauge(TWinControl* parent, TBox box, int progress) {
        auto* g = Place<TsGauge>(parent, box);
        g->SetProgress(progress);
        return g;
    }
    // The gauge painted by itself onto a sentinel bitmap of its size.
    static std::unique_ptr<TBitmap> PaintOf(TsGauge* g) {
        auto bmp = MakeBitmap(g->Width(), g->Height());
        g->Perform(WM_PAINT, DCToWParam(bmp->Canvas()));
        return bmp;
    }
    static int ColumnsOf(const TBitmap& b, TColor c, int y) {
        int n = 0;
        for (int x = 0; x < b.Width(); ++x)
            n += b.Pixel(x, y) == c;
        return n;
    }
};

TEST_F(Gauge, PercentDoneTruncatesAndAnEmptyRangeIsZero) {
    auto* g = AddGauge(Form, {0, 0, 100, 10}, 0);
    g->SetMaxValue(3);
    g->SetProgress(1);
    EXPECT_EQ(g->PercentDone(), 33);
    EXPECT_EQ(TsGauge::SolveForX(33, 100), 33);
    g->SetMaxValue(0);
    EXPECT_EQ(g->Progress(), 0);
    EXPECT_EQ(g->PercentDone(), 0);
    g->SetMinValue(-7);
    g->SetMaxValue(-7);
    EXPECT_EQ(g->MinValue(), -7);
    EXPECT_EQ(g->PercentDone(), 0);
}

// The classic look without a frame: exactly the filled columns are ForeColor.
TEST_F(Gauge, TheClassicBarFillsItsShareOfTheWidthExactly) {
    Manager->SetActive(false);
    auto* g = AddGauge(Form, {0, 0, 321, 6}, 100);
    g->SetBorderStyle(bsGaugeNone);
    g->SetShowText(false);
    g->SetForeColor(RGBColor(0, 0, 200));
    g->SetBackColor(RGBColor(200, 200, 200));
    EXPECT_EQ(ColumnsOf(*PaintOf(g), RGBColor(0, 0, 200), 3), 321);
    g->SetProgress(0);
    EXPECT_EQ(ColumnsOf(*PaintOf(g), RGBColor(200, 200, 200), 3), 321);
    g->SetWidth(100);
    g->SetMaxValue(3);
    g->SetProgress(1);
    auto b = PaintOf(g);
    for (int x = 0; x < 100; ++x)
        ASSERT_EQ(b->Pixel(x, 3), x < 33 ? RGBColor(0, 0, 200) : RGBColor(200, 200, 200)) << x;
}

// Skinned: a full gauge differs from an empty one in its last column, and an
// empty gauge's text is "0%".
TEST_F(Gauge, TheSkinnedBarReachesTheLastColumnAtOneHundredPercent) {
    auto* empty = AddGauge(Form, {0, 0, 321, 18}, 0);
    auto* full = AddGauge(Form, {0, 30, 321, 18}, 100);
    empty->SetShowText(false);
    full->SetShowText(false);
    Show();
    auto e = PaintOf(empty);
    auto f = PaintOf(full);
    EXPECT_NE(e->Pixel(320, 9), f->Pixel(320, 9));
    EXPECT_NE(e->Pixel(160, 9), f->Pixel(160, 9));
    EXPECT_EQ(empty->GaugeText(), "0%");
    // The picture is kept between paints, and a new value draws it again.
    ASSERT_NE(full->SkinData()->CacheBmp(), nullptr);
    full->SetProgress(0);
    EXPECT_EQ(PaintOf(full)->Pixel(320, 9), e->Pixel(320, 9));
}

TEST_F(Gauge, ADefinitionSetsTheLimitsInAnyOrder) {
    RegisterClass(TsGauge::StaticClassInfo());
    const std::string text = "object F: TForm\n"
                             "  object G1: TsGauge\n"
                             "    MinValue = 200\n    MaxValue = 300\n    Progress = 250\n"
                             "  end\n"
                             "  object G2: TsGauge\n"
                             "    Progress = 250\n    MaxValue = 300\n    MinValue = 200\n"
                             "  end\n"
                             "end\n";
    auto* form = new TForm(Application);
    ReadComponentResource(form, text, "gauges.dfm");
    for (const char* name : {"G1", "G2"}) {
        auto* g = dynamic_cast<TsGauge*>(form->FindComponent(name));
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->MinValue(), 200) << name;
        EXPECT_EQ(g->MaxValue(), 300) << name;
        EXPECT_EQ(g->Progress(), 250) << name;
        EXPECT_EQ(g->PercentDone(), 50) << name;
    }
}

} // namespace

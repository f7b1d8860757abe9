// The paint pipeline of windowed skinned controls on the launcher's skin:
// when the cache is rebuilt, what reaches the screen, containers and their
// children, and the skin's removal and return.

#include <gtest/gtest.h>

#include "SkinnedFixture.h"
#include "framework/window/WinApi.h"
#include "paint/SoftRect.h"

namespace {

class PaintPipeline : public SkinnedTest {
protected:
    void SetUp() override {
        SkinnedTest::SetUp();
        ApplySkin();
    }
    // A repaint through the framework alone: the cache is not marked stale.
    void Repaint(TWinControl* c) {
        c->Invalidate();
        Pump();
    }
    ::testing::AssertionResult ScreenShowsCache(TsTestControl* c) {
        const TBitmap& cache = *c->SkinData()->CacheBmp();
        if (cache.Width() != c->Width() || cache.Height() != c->Height())
            return ::testing::AssertionFailure()
                   << "cache " << cache.Width() << "x" << cache.Height();
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                if (OnScreen(c, x, y) != cache.Pixel(x, y))
                    return ::testing::AssertionFailure() << "pixel " << x << "," << y;
        return ::testing::AssertionSuccess();
    }
};

} // namespace

TEST_F(PaintPipeline, RebuildsOnlyWhenStaleAndShowsTheCache) {
    TsTestControl* c = Add(Form, {20, 20, 75, 25});
    c->SetCaption("Play");
    Show();
    EXPECT_EQ(c->Renders, 1);
    EXPECT_FALSE(c->SkinData()->BGChanged);
    EXPECT_TRUE(ScreenShowsCache(c));
    // The caption is in the section's text colour.
    const TColor ink = SkinGeneralData[c->SkinData()->SkinIndex].FontColor;
    bool found = false;
    for (int y = 0; y < 25 && !found; ++y)
        for (int x = 0; x < 75 && !found; ++x)
            found = c->SkinData()->CacheBmp()->Pixel(x, y) == ink;
    EXPECT_TRUE(found);

    Repaint(c);
    EXPECT_EQ(c->Renders, 1);
    c->SkinData()->Invalidate();
    Pump();
    EXPECT_EQ(c->Renders, 2);
    // A resize makes the cache stale and its new size.
    c->SetBounds(20, 20, 90, 30);
    Pump();
    EXPECT_EQ(c->Renders, 3);
    EXPECT_TRUE(ScreenShowsCache(c));
}

TEST_F(PaintPipeline, TheEraseRequestIsSwallowed) {
    TsTestControl* c = Add(Form, {20, 20, 75, 25});
    Show();
    TBitmap b(10, 10);
    b.Pixels().Fill(0x123456);
    EXPECT_NE(c->Perform(WM_ERASEBKGND, DCToWParam(b.Canvas())), 0);
    EXPECT_EQ(b.Pixel(5, 5), 0x123456);
}

TEST_F(PaintPipeline, AHalfVisibleControlRebuildsOnEveryPaintUntilWhollyInside) {
    TsTestControl* c = Add(Form, {-10, 20, 75, 25});
    Show();
    EXPECT_TRUE(c->SkinData()->HalfVisible);
    const int first = c->Renders;
    Repaint(c);
    Repaint(c);
    EXPECT_EQ(c->Renders, first + 2);
    // Moved inside: the paint after the move still rebuilds, then no more.
    c->SetBounds(10, 20, 75, 25);
    Pump();
    EXPECT_FALSE(c->SkinData()->HalfVisible);
    const int inside = c->Renders;
    Repaint(c);
    Repaint(c);
    EXPECT_EQ(c->Renders, inside);
}

// The child of a half-visible container rebuilds whenever the container
// drew its picture again, and keeps its own while nothing changed under it.
TEST_F(PaintPipeline, ChildrenOfAHalfVisibleContainerRebuildWithIt) {
    TsTestControl* panel = Add(Form, {-20, 10, 150, 100}, ckPanel, "PANEL", true);
    TsTestControl* child = Add(panel, {40, 10, 75, 25});
    Show();
    ASSERT_TRUE(panel->SkinData()->HalfVisible);
    EXPECT_FALSE(child->SkinData()->HalfVisible);
    const int renders = child->Renders;
    Repaint(panel);
    EXPECT_EQ(child->Renders, renders + 1);
    Repaint(child);
    EXPECT_EQ(child->Renders, renders + 1);
}

TEST_F(PaintPipeline, FrozenKeepsTheStaleCacheUntilThawed) {
    TsTestControl* c = Add(Form, {20, 20, 75, 25});
    Show();
    PerformCommand(c, SKC_SETFROZEN, 1);
    c->SkinData()->Invalidate();
    Pump();
    EXPECT_EQ(c->Renders, 1);
    EXPECT_TRUE(ScreenShowsCache(c)); // the old picture is still shown
    // Thawed, the next paint of any cause shows what changed meanwhile.
    UnfreezeTree(c);
    Repaint(c);
    EXPECT_EQ(c->Renders, 2);
}

TEST_F(PaintPipeline, RemovalLeavesAnEmptyCacheAndTheReturnRebuildsItWhole) {
    TsTestControl* c = Add(Form, {20, 20, 75, 25});
    Show();
    Manager->SetActive(false);
    EXPECT_EQ(c->SkinData()->CacheBmp()->Width(), 0);
    EXPECT_EQ(c->SkinData()->CacheBmp()->Height(), 0);
    EXPECT_FALSE(c->SkinData()->Skinned());
    EXPECT_EQ(c->SkinData()->SkinIndex, -1);
    Pump(); // painted the plain way, nothing rebuilt
    EXPECT_EQ(c->Renders, 1);

    Manager->SetActive(true);
    Pump();
    EXPECT_EQ(c->Renders, 2);
    EXPECT_EQ(c->SkinData()->CacheBmp()->Width(), 75);
    EXPECT_EQ(c->SkinData()->CacheBmp()->Height(), 25);
    EXPECT_TRUE(ScreenShowsCache(c));
}

TEST_F(PaintPipeline, UpdateChildrenRedrawsATransparentPanelAndTellsItsChildren) {
    TsTestControl* back = Add(Form, {5, 5, 280, 160}, ckPanel, "PANEL", true);
    TsTestControl* clear = Add(back, {10, 10, 200, 120}, ckPanel, "GROUPBOX", true);
    TsTestControl* a = Add(clear, {10, 10, 75, 25});
    TsTestControl* b = Add(clear, {10, 50, 75, 25});
    TsTestControl* solid = Add(back, {220, 10, 50, 50}, ckPanel, "PANEL_LOW", true);
    TsTestControl* c = Add(solid, {5, 5, 30, 20});
    Show();
    for (TsTestControl* t : {clear, a, b, c})
        t->Commands.clear();
    clear->SkinData()->BGChanged = false;

    PerformCommand(clear, SKC_UPDATECHILDREN, 1);
    EXPECT_TRUE(clear->SkinData()->BGChanged);
    EXPECT_FALSE(clear->UpdateRegion().IsEmpty());
    EXPECT_TRUE(a->Saw(SKC_UPDATECHILDREN, 0));
    EXPECT_TRUE(b->Saw(SKC_UPDATECHILDREN, 0));

    // An opaque panel is redrawn but does not pass it on.
    PerformCommand(solid, SKC_UPDATECHILDREN, 1);
    EXPECT_FALSE(solid->UpdateRegion().IsEmpty());
    EXPECT_FALSE(c->Saw(SKC_UPDATECHILDREN, 0));
}

TEST_F(PaintPipeline, AContainerPaintsItsChildrenOverItsFreshPicture) {
    TsTestControl* panel = Add(Form, {10, 10, 200, 120}, ckPanel, "PANEL", true);
    auto* g = new TTestGraphic(Form, 0x0000FF);
    g->SetParent(panel);
    g->SetBounds(30, 40, 20, 10);
    TsTestControl* child = Add(panel, {100, 40, 75, 25});
    Show();
    const TBitmap& cache = *panel->SkinData()->CacheBmp();
    // The windowless child started from the container's picture under it,
    // and reached the screen in one piece.
    EXPECT_EQ(g->Under, cache.Pixel(30, 40));
    EXPECT_EQ(OnScreen(panel, 30, 40), 0x0000FF);
    EXPECT_EQ(OnScreen(panel, 45, 45), cache.Pixel(45, 45));
    // The windowed child was told to repaint and shows its own cache.
    EXPECT_TRUE(child->Saw(SKC_REPAINT, 0));
    EXPECT_TRUE(ScreenShowsCache(child));
    EXPECT_EQ(OnScreen(panel, 5, 5), cache.Pixel(5, 5));
}

TEST_F(PaintPipeline, ASeeThroughChildShowsItsContainersPictureUnderIt) {
    TsTestControl* panel = Add(Form, {10, 10, 200, 120}, ckPanel, "PANEL", true);
    TsTestControl* clear = Add(panel, {30, 20, 120, 80}, ckPanel, "TRANSPARENT");
    Show();
    const TBitmap& under = *panel->SkinData()->CacheBmp();
    const TBitmap& mine = *clear->SkinData()->CacheBmp();
    for (int y = 0; y < 80; y += 7)
        for (int x = 0; x < 120; x += 7)
            ASSERT_EQ(mine.Pixel(x, y), under.Pixel(30 + x, 20 + y)) << x << "," << y;
}

TEST_F(PaintPipeline, ADisabledControlIsBlendedTowardsItsParent) {
    TsTestControl* on = Add(Form, {20, 20, 75, 25});
    TsTestControl* off = Add(Form, {120, 20, 75, 25});
    off->SetEnabled(false);
    Show();
    const TColor parent = ColorToRGB(Form->Color());
    int moved = 0;
    for (int x = 0; x < 75; ++x) {
        const TColor a = on->SkinData()->CacheBmp()->Pixel(x, 12);
        const TColor b = off->SkinData()->CacheBmp()->Pixel(x, 12);
        for (int shift : {0, 8, 16}) {
            const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF,
                      cp = (parent >> shift) & 0xFF;
            EXPECT_LE(std::min(ca, cp), cb);
            EXPECT_GE(std::max(ca, cp), cb);
        }
        moved += a != b;
    }
    EXPECT_GT(moved, 0);
}

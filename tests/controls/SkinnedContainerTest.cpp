#include "ContainerFixture.h"
#include "platform/headless/THeadlessHost.h"

namespace {

class SkinnedContainer : public ContainerTest {
protected:
    void Hover(const TControl* c) {
        const TPoint p = c->ClientToScreen({5, 5});
        const TRect w = Form->BoundsRect();
        Host()->InjectMouseMove(Form->HostWindow(), p.X - w.Left, p.Y - w.Top);
        Pump();
    }
    static THeadlessHost* Host() { return dynamic_cast<THeadlessHost*>(&::Host()); }
};

TEST_F(SkinnedContainer, APanelTurnsHotByFocusButNeverByTheMouse) {
    auto* panel = Place<TsPanel>(Form, {10, 10, 100, 60});
    Show();
    Hover(panel);
    EXPECT_TRUE(panel->SkinData()->MouseAbove == false);
    EXPECT_FALSE(panel->SkinData()->ControlIsActive());
    panel->SetTabStop(true);
    panel->SetFocus();
    Pump();
    EXPECT_TRUE(panel->SkinData()->ControlIsActive());
}

// A see-through group box half outside its parent rebuilds when what lies
// under it may have moved: after its parent drew its picture again, not on a
// paint with nothing changed. Wholly inside, a paint is a copy of the cache.
TEST_F(SkinnedContainer, AHalfVisibleContainerRebuildsWhenItsParentsPictureChanged) {
    auto* panel = Place<TsPanel>(Form, {10, 10, 200, 120});
    auto* box = Place<TsGroupBox>(panel, {150, 20, 100, 60});
    Show();
    const TsCommonData* data = box->SkinData();
    ASSERT_TRUE(data->HalfVisible);
    Mark(data);
    box->Repaint();
    EXPECT_TRUE(Marked(data));
    panel->SkinData()->Invalidate();
    Pump();
    EXPECT_FALSE(Marked(data));
    box->SetLeft(20);
    Pump();
    box->Repaint();
    panel->SkinData()->Invalidate();
    Pump();
    Mark(data);
    box->Repaint();
    EXPECT_TRUE(Marked(data));
}

// A bar on the bottom edge of its window always counts as half visible.
TEST_F(SkinnedContainer, AStatusBarDockedToTheBottomRebuildsOnEveryPaint) {
    auto* bar = Place<TsStatusBar>(Form, {0, 0, 100, 19});
    bar->SetAlign(alBottom);
    auto* inside = AddBar(Form, {0, 10, 100, 19}, {50});
    Show();
    for (TsStatusBar* b : {bar, inside}) {
        b->Repaint();
        Mark(b->SkinData());
        b->Repaint();
    }
    EXPECT_FALSE(Marked(bar->SkinData()));
    EXPECT_TRUE(Marked(inside->SkinData()));
}

TEST_F(SkinnedContainer, OnPaintDrawsOnThePictureAlsoWithoutARebuild) {
    auto* panel = Place<TsPanel>(Form, {10, 10, 100, 60});
    int calls = 0;
    panel->OnPaint = [&](TObject*, TCanvas* canvas) {
        ++calls;
        canvas->SetPixel(3, 3, 0x0000FF);
    };
    Show();
    const int before = calls;
    panel->Repaint();
    EXPECT_GT(calls, before);
    EXPECT_EQ(OnScreen(panel, 3, 3), 0x0000FF);
    EXPECT_EQ(panel->SkinData()->CacheBmp()->Pixel(3, 3), 0x0000FF);
}

TEST_F(SkinnedContainer, CommandsReachTheChildrenOfContainers) {
    auto* panel = Place<TsPanel>(Form, {10, 10, 200, 120});
    auto* box = Place<TsGroupBox>(panel, {10, 10, 150, 80});
    auto* child = Add(box, {10, 20, 50, 20});
    auto* gauge = Place<TsGauge>(box, {10, 50, 100, 10});
    Show();
    child->Commands.clear();
    Manager->SetActive(false);
    EXPECT_TRUE(child->Saw(SKC_REMOVESKIN, 0));
    EXPECT_EQ(gauge->SkinData()->SkinIndex, -1);
    Manager->SetActive(true);
    EXPECT_TRUE(child->Saw(SKC_SETNEWSKIN, 0));
    EXPECT_GE(gauge->SkinData()->SkinIndex, 0);
}

} // namespace

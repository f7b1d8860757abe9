#include <gtest/gtest.h>

#include <vector>

#include "platform/CreateHost.h"
#include "platform/VirtualKeys.h"

namespace {

struct HeadlessHost : ::testing::Test {
    std::unique_ptr<THeadlessHost> host = CreateHeadlessHost();

    std::unique_ptr<IHostWindow> Make(TRect bounds, TWindowKind kind = TWindowKind::wkNormal,
                                      const char* title = "w") {
        TWindowParams p;
        p.Bounds = bounds;
        p.Kind = kind;
        p.Title = title;
        auto w = host->CreateWindow(p);
        w->Show();
        return w;
    }
    std::vector<TEvent> Drain() {
        std::vector<TEvent> out;
        TEvent e;
        while (host->PollEvent(e))
            out.push_back(e);
        return out;
    }
};

} // namespace

TEST_F(HeadlessHost, VirtualClockMovesOnlyWhenWaitingOrTold) {
    EXPECT_EQ(host->Now(), THeadlessHost::kStartTime);
    host->AdvanceClock(250);
    const uint64_t t0 = THeadlessHost::kStartTime + 250;
    EXPECT_EQ(host->Now(), t0);

    TEvent e;
    EXPECT_FALSE(host->WaitEvent(e, t0 + 40)); // nothing queued: the clock jumps to the deadline
    EXPECT_EQ(host->Now(), t0 + 40);
    EXPECT_FALSE(host->WaitEvent(e, t0)); // a past deadline never turns the clock back
    EXPECT_EQ(host->Now(), t0 + 40);
    EXPECT_FALSE(host->WaitEvent(e, UINT64_MAX)); // no hang, no jump
    EXPECT_EQ(host->Now(), t0 + 40);

    auto w = Make(Bounds(0, 0, 10, 10));
    host->InjectKey(w.get(), VK_RETURN);
    EXPECT_TRUE(host->WaitEvent(e, t0 + 1000)); // a queued event comes first, clock stays
    EXPECT_EQ(e.Kind, TEventKind::ekKeyDown);
    EXPECT_EQ(host->Now(), t0 + 40);
}

TEST_F(HeadlessHost, ScreenDefaultsAndOverride) {
    EXPECT_EQ(host->ScreenSize(), (TSize{1024, 768}));
    EXPECT_EQ(host->WorkArea(), Rect(0, 0, 1024, 738));
    host->SetScreen({800, 600}, 40);
    EXPECT_EQ(host->WorkArea(), Rect(0, 0, 800, 560));
    host->SetClipboardText("k\xC3\xA4se");
    EXPECT_EQ(host->ClipboardText(), "k\xC3\xA4se");
    EXPECT_STREQ(host->Name(), "headless");
}

TEST_F(HeadlessHost, PresentCopiesOnlyChangedRectangles) {
    auto w = Make(Bounds(100, 50, 6, 5));
    auto* hw = host->Find(w.get());
    TPixels pic(6, 5);
    pic.Fill(0x0000FF);
    TRegion changed(Rect(1, 1, 3, 3));
    changed.Union(Rect(5, 4, 9, 9)); // reaches outside the window: clipped
    w->Present(pic, changed);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool in = (x >= 1 && x < 3 && y >= 1 && y < 3) || (x == 5 && y == 4);
            EXPECT_EQ(hw->Picture().Pixel(x, y), in ? 0x0000FFu : 0u) << x << "," << y;
        }
    EXPECT_EQ(hw->PresentCount(), 1);
    TRegion expected(Rect(1, 1, 3, 3));
    expected.Union(Rect(5, 4, 6, 5));
    EXPECT_EQ(hw->LastPresented(), expected);

    // Growing keeps what is shown, new pixels are black.
    w->SetBounds(Bounds(100, 50, 8, 5));
    EXPECT_EQ(hw->Picture().Width(), 8);
    EXPECT_EQ(hw->Picture().Pixel(2, 2), 0x0000FFu);
    EXPECT_EQ(hw->Picture().Pixel(7, 2), 0u);
}

TEST_F(HeadlessHost, InjectedMouseCarriesClientAndScreenPositions) {
    auto w = Make(Bounds(100, 50, 200, 100));
    host->InjectMouseMove(w.get(), 5, 7, kmShift);
    host->InjectDoubleClick(w.get(), 10, 20, mbRight);
    host->InjectWheel(w.get(), 1, 2, -3, kmCtrl);
    const auto ev = Drain();
    ASSERT_EQ(ev.size(), 6u);
    EXPECT_EQ(ev[0].Kind, TEventKind::ekMouseMove);
    EXPECT_EQ(ev[0].Window, w.get());
    EXPECT_EQ((TPoint{ev[0].X, ev[0].Y}), (TPoint{5, 7}));
    EXPECT_EQ((TPoint{ev[0].ScreenX, ev[0].ScreenY}), (TPoint{105, 57}));
    EXPECT_EQ(ev[0].Modifiers, unsigned{kmShift});
    const TEventKind kinds[] = {TEventKind::ekMouseDown, TEventKind::ekMouseUp,
                                TEventKind::ekMouseDown, TEventKind::ekMouseUp};
    const int clicks[] = {1, 1, 2, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ev[1 + i].Kind, kinds[i]);
        EXPECT_EQ(ev[1 + i].Clicks, clicks[i]);
        EXPECT_EQ(ev[1 + i].Button, mbRight);
    }
    EXPECT_EQ(ev[5].Kind, TEventKind::ekMouseWheel);
    EXPECT_EQ(ev[5].WheelDelta, -3);
    EXPECT_EQ(host->CursorPos(), (TPoint{101, 52}));
}

TEST_F(HeadlessHost, KeysGoToTheActiveWindowAndBadTargetsThrow) {
    auto a = Make(Bounds(0, 0, 10, 10));
    auto b = Make(Bounds(20, 0, 10, 10));
    EXPECT_THROW(host->InjectKey(nullptr, 'A'), std::logic_error); // nobody active
    a->Activate();
    b->Activate();
    host->InjectKeyDown(nullptr, VK_F4, kmAlt, true);
    host->InjectText(nullptr, "\xC3\xA9");
    const auto ev = Drain();
    ASSERT_EQ(ev.size(), 5u);
    EXPECT_EQ(ev[0].Kind, TEventKind::ekFocusIn);
    EXPECT_EQ(ev[0].Window, a.get());
    EXPECT_EQ(ev[1].Kind, TEventKind::ekFocusOut);
    EXPECT_EQ(ev[1].Window, a.get());
    EXPECT_EQ(ev[2].Kind, TEventKind::ekFocusIn);
    EXPECT_EQ(ev[2].Window, b.get());
    EXPECT_EQ(ev[3].Window, b.get());
    EXPECT_EQ(ev[3].Key, VK_F4);
    EXPECT_EQ(ev[3].Modifiers, unsigned{kmAlt});
    EXPECT_TRUE(ev[3].Repeat);
    EXPECT_EQ(ev[4].Text, "\xC3\xA9");

    b->Hide(); // the active window hides: it loses focus
    ASSERT_EQ(Drain().size(), 1u);
    EXPECT_EQ(host->ActiveWindow(), nullptr);
    EXPECT_THROW(host->InjectMouseMove(b.get(), 1, 1), std::logic_error);
    THeadlessHost other;
    auto foreign = other.CreateWindow({});
    EXPECT_THROW(host->InjectCloseRequest(foreign.get()), std::logic_error);
}

TEST_F(HeadlessHost, DestroyedWindowLeavesNoEventsOrReferences) {
    auto a = Make(Bounds(0, 0, 10, 10), TWindowKind::wkNormal, "a");
    auto b = Make(Bounds(0, 0, 10, 10), TWindowKind::wkNormal, "b");
    host->InjectClick(a.get(), 1, 1);
    host->InjectCloseRequest(b.get());
    a->Activate();
    a->SetCapture(true);
    a.reset();
    const auto ev = Drain();
    ASSERT_EQ(ev.size(), 1u);
    EXPECT_EQ(ev[0].Window, b.get());
    EXPECT_EQ(host->ActiveWindow(), nullptr);
    EXPECT_EQ(host->CaptureWindow(), nullptr);
    ASSERT_EQ(host->Windows().size(), 1u);
    EXPECT_EQ(host->FindWindow("b"), host->Windows()[0]);

    // Windows may outlive their host.
    host.reset();
    b->Show();
    b->Activate();
}

TEST_F(HeadlessHost, ZOrderKeepsPopupsOnTopAndShapesDecideHits) {
    auto popup = Make(Bounds(0, 0, 10, 10), TWindowKind::wkPopup, "popup");
    auto a = Make(Bounds(0, 0, 20, 20), TWindowKind::wkNormal, "a");
    auto b = Make(Bounds(5, 5, 20, 20), TWindowKind::wkNormal, "b");
    a->Raise();
    const auto z = host->ZOrder();
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0]->Title(), "b");
    EXPECT_EQ(z[1]->Title(), "a");
    EXPECT_EQ(z[2]->Title(), "popup");
    EXPECT_EQ(host->WindowAt({3, 3}), host->Find(popup.get()));

    TRegion shape(Rect(0, 0, 10, 10));
    shape.Subtract(Rect(2, 2, 5, 5));
    popup->SetShape(&shape);
    EXPECT_EQ(host->WindowAt({3, 3}), host->Find(a.get())); // through the hole
    popup->SetShape(nullptr);
    EXPECT_EQ(host->WindowAt({3, 3}), host->Find(popup.get()));
    popup->Hide();
    EXPECT_EQ(host->WindowAt({22, 22}), host->Find(b.get()));
    EXPECT_EQ(host->WindowAt({30, 30}), nullptr);
}

TEST_F(HeadlessHost, ScreenRoutingFollowsCaptureAndReportsEnterLeave) {
    auto a = Make(Bounds(0, 0, 10, 10));
    auto b = Make(Bounds(50, 0, 10, 10));
    host->InjectMouseMoveAt({2, 3});
    host->InjectMouseDownAt({2, 3});
    a->SetCapture(true);
    host->InjectMouseMoveAt({53, 4}); // over b, but a holds the capture
    a->SetCapture(false);
    host->InjectMouseUpAt({53, 4});
    host->InjectMouseMoveAt({90, 90}); // over the desktop: only leave
    const auto ev = Drain();
    const std::vector<std::pair<TEventKind, IHostWindow*>> expected = {
        {TEventKind::ekMouseEnter, a.get()}, {TEventKind::ekMouseMove, a.get()},
        {TEventKind::ekMouseDown, a.get()},  {TEventKind::ekMouseLeave, a.get()},
        {TEventKind::ekMouseEnter, b.get()}, {TEventKind::ekMouseMove, a.get()},
        {TEventKind::ekMouseUp, b.get()},    {TEventKind::ekMouseLeave, b.get()}};
    ASSERT_EQ(ev.size(), expected.size());
    for (size_t i = 0; i < ev.size(); ++i) {
        EXPECT_EQ(ev[i].Kind, expected[i].first) << i;
        EXPECT_EQ(ev[i].Window, expected[i].second) << i;
    }
    EXPECT_EQ((TPoint{ev[5].X, ev[5].Y}), (TPoint{53, 4})); // client of a, outside it
    EXPECT_EQ((TPoint{ev[6].X, ev[6].Y}), (TPoint{3, 4}));
    EXPECT_EQ(host->CursorPos(), (TPoint{90, 90}));
}

TEST_F(HeadlessHost, WindowManagerMovesAndResizesReport) {
    auto w = Make(Bounds(10, 10, 30, 20));
    host->InjectMoved(w.get(), {40, 5});
    host->InjectResized(w.get(), {50, 60});
    EXPECT_EQ(w->Bounds(), Bounds(40, 5, 50, 60));
    const auto ev = Drain();
    ASSERT_EQ(ev.size(), 2u);
    EXPECT_EQ(ev[0].Kind, TEventKind::ekMoved);
    EXPECT_EQ((TPoint{ev[0].X, ev[0].Y}), (TPoint{40, 5}));
    EXPECT_EQ(ev[1].Kind, TEventKind::ekResized);
    EXPECT_EQ((TPoint{ev[1].X, ev[1].Y}), (TPoint{50, 60}));
}

TEST_F(HeadlessHost, InstallBecomesTheProcessHost) {
    THeadlessHost& installed = InstallHeadlessHost();
    EXPECT_EQ(&Host(), static_cast<IHost*>(&installed));
    SetHost(nullptr);
    EXPECT_FALSE(HasHost());
}

// The scaling host between the program's logical pixels and a high-density
// screen's device pixels, over a real headless host.

#include <gtest/gtest.h>

#include <vector>

#include "platform/CreateHost.h"
#include "platform/scaled/PixelScale.h"
#include "platform/scaled/TScaledHost.h"
#include "platform/scaled/TScaledWindow.h"

namespace {

constexpr int Scale = 2;
constexpr uint32_t Sentinel = 0x123456;

struct ScaledHost : ::testing::Test {
    ScaledHost() {
        auto inner = CreateHeadlessHost();
        real = inner.get();
        host = std::make_unique<TScaledHost>(std::move(inner), Scale);
    }
    std::unique_ptr<IHostWindow> Make(TRect bounds) {
        TWindowParams p;
        p.Bounds = bounds;
        auto w = host->CreateWindow(p);
        w->Show();
        return w;
    }
    static IHostWindow* Inner(const std::unique_ptr<IHostWindow>& w) {
        return &static_cast<TScaledWindow*>(w.get())->Inner();
    }
    THeadlessWindow& Shown(const std::unique_ptr<IHostWindow>& w) { return *real->Find(Inner(w)); }

    THeadlessHost* real = nullptr;
    std::unique_ptr<TScaledHost> host;
};

// A picture whose every pixel differs from its neighbours.
TPixels Numbered(int w, int h) {
    TPixels p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.SetPixel(x, y, 0x10000 * y + 0x100 * x + 7);
    return p;
}

} // namespace

TEST_F(ScaledHost, WindowsScreenAndCursorAreConvertedBothWays) {
    real->SetScreen({1920, 1200}, 60);
    EXPECT_EQ(host->ScreenSize(), (TSize{960, 600}));
    EXPECT_EQ(host->WorkArea(), (TRect{0, 0, 960, 570}));
    real->SetCursorPos({201, 99});
    EXPECT_EQ(host->CursorPos(), (TPoint{100, 49}));

    auto w = Make(TRect{10, 20, 110, 70});
    EXPECT_EQ(Shown(w).Bounds(), (TRect{20, 40, 220, 140}));
    EXPECT_EQ(w->Bounds(), (TRect{10, 20, 110, 70}));
    w->SetBounds(TRect{-5, 3, 45, 33});
    EXPECT_EQ(Shown(w).Bounds(), (TRect{-10, 6, 90, 66}));
    EXPECT_EQ(w->Bounds(), (TRect{-5, 3, 45, 33}));

    TRegion shape(TRect{1, 0, 49, 30});
    shape.Union(TRect{0, 1, 50, 29});
    w->SetShape(&shape);
    ASSERT_NE(Shown(w).Shape(), nullptr);
    EXPECT_TRUE(Shown(w).Shape()->Contains({2, 0}));
    EXPECT_FALSE(Shown(w).Shape()->Contains({1, 1}));
    EXPECT_TRUE(Shown(w).Shape()->Contains({0, 2}));
    w->SetShape(nullptr);
    EXPECT_EQ(Shown(w).Shape(), nullptr);
}

TEST_F(ScaledHost, PointerEventsLandOnTheLogicalPixelUnderThem) {
    auto w = Make(TRect{10, 20, 60, 50});
    real->InjectMouseDown(Inner(w), 7, 9);
    real->InjectMouseMove(Inner(w), -1, -3); // just outside, held by a press
    real->InjectWheel(Inner(w), 99, 59, 1);
    real->InjectMoved(Inner(w), {41, 60});
    real->InjectResized(Inner(w), {120, 80});
    std::vector<TEvent> events;
    for (TEvent e; host->PollEvent(e);)
        events.push_back(e);
    ASSERT_EQ(events.size(), 5u);
    for (const TEvent& e : events)
        EXPECT_EQ(e.Window, w.get());
    EXPECT_EQ((TPoint{events[0].X, events[0].Y}), (TPoint{3, 4}));
    EXPECT_EQ((TPoint{events[0].ScreenX, events[0].ScreenY}), (TPoint{13, 24}));
    EXPECT_EQ((TPoint{events[1].X, events[1].Y}), (TPoint{-1, -2}));
    EXPECT_EQ((TPoint{events[2].X, events[2].Y}), (TPoint{49, 29}));
    EXPECT_EQ((TPoint{events[3].X, events[3].Y}), (TPoint{20, 30}));
    EXPECT_EQ((TPoint{events[4].X, events[4].Y}), (TPoint{60, 40}));
}

TEST_F(ScaledHost, EventsOfWindowsNotMadeThroughItAreDropped) {
    TWindowParams p;
    p.Bounds = TRect{0, 0, 20, 20};
    auto foreign = real->CreateWindow(p);
    foreign->Show();
    auto w = Make(TRect{0, 0, 10, 10});
    real->InjectKey(foreign.get(), 'A');
    real->InjectKey(Inner(w), 'B');
    TEvent e;
    ASSERT_TRUE(host->PollEvent(e));
    EXPECT_EQ(e.Key, 'B');
    EXPECT_EQ(e.Window, w.get());
}

TEST_F(ScaledHost, LogicalPicturesAreEnlargedOnlyWhereTheyChanged) {
    auto w = Make(TRect{0, 0, 5, 4});
    TPixels picture = Numbered(5, 4);
    w->Present(picture, TRegion(TRect{0, 0, 5, 4}));
    EXPECT_EQ(Shown(w).Picture().Width(), 10);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(Shown(w).Picture().Pixel(x, y), picture.Pixel(x / Scale, y / Scale))
                << x << "," << y;

    picture.Fill(Sentinel);
    w->Present(picture, TRegion(TRect{1, 2, 3, 3}));
    EXPECT_EQ(Shown(w).LastPresented(), TRegion(TRect{2, 4, 6, 6}));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool changed = x >= 2 && x < 6 && y >= 4 && y < 6;
            ASSERT_EQ(Shown(w).Picture().Pixel(x, y) == Sentinel, changed) << x << "," << y;
        }
}

TEST_F(ScaledHost, DeviceSizedPicturesGoToTheScreenAsTheyAre) {
    auto w = Make(TRect{0, 0, 5, 4});
    const TPixels device = Numbered(10, 8);
    w->Present(device, TRegion(TRect{0, 0, 5, 4}));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(Shown(w).Picture().Pixel(x, y), device.Pixel(x, y)) << x << "," << y;
}

TEST_F(ScaledHost, ScreenReadsAtEitherSize) {
    auto w = Make(TRect{2, 1, 6, 4});
    const TPixels device = Numbered(8, 6);
    w->Present(device, TRegion(TRect{0, 0, 4, 3}));

    TPixels logical;
    ASSERT_TRUE(host->ReadScreen(TRect{2, 1, 6, 4}, logical));
    ASSERT_EQ(logical.Width(), 4);
    ASSERT_EQ(logical.Height(), 3);
    EXPECT_EQ(logical.Pixel(1, 2), device.Pixel(2, 4));

    TPixels full(8, 6);
    ASSERT_TRUE(host->ReadScreen(TRect{2, 1, 6, 4}, full));
    EXPECT_EQ(full.Pixel(3, 5), device.Pixel(3, 5));
}

TEST_F(ScaledHost, WindowsOutlivingTheHostStaySafe) {
    auto w = Make(TRect{0, 0, 4, 4});
    host.reset();
    w->Present(Numbered(4, 4), TRegion(TRect{0, 0, 4, 4}));
    w.reset();
}

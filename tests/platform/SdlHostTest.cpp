// Runs against a real X display; skipped without one. Under Xvfb:
//   xvfb-run -a build/<dir>/tests/tests_platform --gtest_filter='Sdl*'
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

#include <cstdlib>
#include <vector>

#include "platform/CreateHost.h"
#include "platform/sdl/TSdlHost.h"

// libdbus, which SDL starts for input methods, keeps a buffer for the life of
// the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

namespace {

struct SdlHost : ::testing::Test {
    std::unique_ptr<TSdlHost> host;

    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "no X display";
        try {
            host = std::make_unique<TSdlHost>();
        } catch (const std::runtime_error& e) {
            GTEST_SKIP() << e.what();
        }
    }

    std::unique_ptr<TSdlWindow> Make(TRect bounds, TWindowKind kind = TWindowKind::wkNormal) {
        TWindowParams p;
        p.Bounds = bounds;
        p.Kind = kind;
        p.Title = "test";
        auto w = std::make_unique<TSdlWindow>(host.get(), p);
        w->Show();
        return w;
    }

    // Everything that arrives within ms milliseconds.
    std::vector<TEvent> Collect(uint64_t ms) {
        std::vector<TEvent> out;
        const uint64_t deadline = host->Now() + ms;
        TEvent e;
        while (host->WaitEvent(e, deadline))
            out.push_back(e);
        return out;
    }

    static void Native(TSdlWindow& w, Display*& display, Window& handle) {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        ASSERT_TRUE(SDL_GetWindowWMInfo(w.Native(), &info));
        display = info.info.x11.display;
        handle = info.info.x11.window;
    }
};

bool Has(const std::vector<TEvent>& events, TEventKind kind) {
    for (const TEvent& e : events)
        if (e.Kind == kind) return true;
    return false;
}

} // namespace

TEST_F(SdlHost, PresentShowsTheChangedRectanglesAndShapesApply) {
    auto w = Make(Bounds(30, 40, 16, 12));
    Collect(100);
    TPixels pic(16, 12);
    pic.Fill(0x3366CC); // red 0xCC, green 0x66, blue 0x33
    w->Present(pic, TRegion(Rect(0, 0, 16, 12)));
    pic.Fill(0x00FF00);
    w->Present(pic, TRegion(Rect(2, 3, 5, 6)));

    Display* display = nullptr;
    Window handle = 0;
    Native(*w, display, handle);
    XSync(display, False);
    XImage* image = XGetImage(display, handle, 0, 0, 16, 12, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool in = x >= 2 && x < 5 && y >= 3 && y < 6;
            EXPECT_EQ(XGetPixel(image, x, y) & 0xFFFFFF, in ? 0x00FF00u : 0xCC6633u)
                << x << "," << y;
        }
    XDestroyImage(image);

    TRegion shape(Rect(0, 0, 16, 12));
    shape.Subtract(Rect(0, 0, 4, 4));
    w->SetShape(&shape);
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display, handle, ShapeBounding, &count, &ordering);
    TRegion applied;
    for (int i = 0; i < count; ++i)
        applied.Union(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    XFree(rects);
    EXPECT_EQ(applied, shape);
}

TEST_F(SdlHost, TheScreenReadsBackWhatTheWindowsShow) {
    auto w = Make(Bounds(30, 40, 16, 12));
    Collect(100);
    TPixels pic(16, 12);
    pic.Fill(0x3366CC);
    w->Present(pic, TRegion(Rect(0, 0, 16, 12)));
    Display* display = nullptr;
    Window handle = 0;
    Native(*w, display, handle);
    XSync(display, False);
    TPixels read;
    ASSERT_TRUE(host->ReadScreen(Bounds(28, 38, 20, 16), read));
    ASSERT_EQ(read.Width(), 20);
    ASSERT_EQ(read.Height(), 16);
    EXPECT_EQ(read.Pixel(2, 2), 0x3366CCu);
    EXPECT_EQ(read.Pixel(17, 13), 0x3366CCu);
    // What lies off the screen reads black.
    ASSERT_TRUE(host->ReadScreen(Bounds(-4, -4, 8, 8), read));
    EXPECT_EQ(read.Pixel(0, 0), 0u);
}

TEST_F(SdlHost, OwnMovesAreNotReportedAndDeadWindowsLoseTheirEvents) {
    auto a = Make(Bounds(10, 10, 40, 30));
    auto b = Make(Bounds(100, 10, 40, 30));
    Collect(100);
    a->SetBounds(Bounds(20, 25, 50, 30));
    a->SetBounds(Bounds(22, 27, 50, 30));
    const auto moved = Collect(150);
    EXPECT_FALSE(Has(moved, TEventKind::ekMoved));
    EXPECT_FALSE(Has(moved, TEventKind::ekResized));
    EXPECT_EQ(a->Bounds(), Bounds(22, 27, 50, 30));
    int x = 0, y = 0;
    SDL_GetWindowPosition(a->Native(), &x, &y);
    EXPECT_EQ((TPoint{x, y}), (TPoint{22, 27}));

    // Clicks as SDL counts them: the second of a pair is a double click, a third starts anew.
    for (Uint8 clicks : {Uint8{1}, Uint8{2}, Uint8{3}}) {
        SDL_Event ev{};
        ev.type = SDL_MOUSEBUTTONDOWN;
        ev.button.windowID = b->Id();
        ev.button.button = SDL_BUTTON_RIGHT;
        ev.button.clicks = clicks;
        ev.button.x = 5;
        ev.button.y = 6;
        SDL_PushEvent(&ev);
    }
    SDL_Event orphan{};
    orphan.type = SDL_MOUSEBUTTONDOWN;
    orphan.button.windowID = a->Id();
    orphan.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&orphan);
    orphan.button.windowID = 999999; // never was a window
    SDL_PushEvent(&orphan);
    a.reset();
    std::vector<TEvent> downs;
    for (const TEvent& e : Collect(100))
        if (e.Kind == TEventKind::ekMouseDown) downs.push_back(e);
    ASSERT_EQ(downs.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(downs[i].Window, b.get());
        EXPECT_EQ(downs[i].Button, mbRight);
        EXPECT_EQ((TPoint{downs[i].X, downs[i].Y}), (TPoint{5, 6}));
        EXPECT_EQ(downs[i].Clicks, i == 1 ? 2 : 1);
    }
}

TEST_F(SdlHost, WaitingSleepsUntilTheDeadline) {
    auto w = Make(Bounds(0, 0, 20, 20));
    Collect(200);
    const uint64_t before = host->WakeUps();
    const uint64_t start = host->Now();
    TEvent e;
    EXPECT_FALSE(host->WaitEvent(e, start + 300));
    EXPECT_GE(host->Now(), start + 300);
    // One sleep to the deadline; a spare one for rounding of the timeout.
    EXPECT_LE(host->WakeUps() - before, 2u);
    const TSize screen = host->ScreenSize();
    const TRect work = host->WorkArea();
    EXPECT_GT(screen.cx, 0);
    EXPECT_LE(work.Width(), screen.cx);
    host->SetClipboardText("Quelm \xE2\x9C\x93");
    EXPECT_EQ(host->ClipboardText(), "Quelm \xE2\x9C\x93");
}

TEST_F(SdlHost, PopupsAreOverrideRedirectAndLeaveTheFocus) {
    auto form = Make(Bounds(10, 10, 100, 80));
    form->Activate();
    Collect(150);
    auto popup = Make(Bounds(300, 10, 60, 40), TWindowKind::wkPopup);
    Display* display = nullptr;
    Window handle = 0;
    Native(*popup, display, handle);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, handle, &attributes);
    EXPECT_TRUE(attributes.override_redirect);
    Native(*form, display, handle);
    XGetWindowAttributes(display, handle, &attributes);
    EXPECT_FALSE(attributes.override_redirect);

    const auto after = Collect(150);
    EXPECT_FALSE(Has(after, TEventKind::ekFocusOut));
    EXPECT_FALSE(Has(after, TEventKind::ekFocusIn));
    popup->Hide();
    EXPECT_FALSE(Has(Collect(100), TEventKind::ekFocusIn));
}

TEST_F(SdlHost, PointerCrossingWindowsGivesEnterMoveLeave) {
    auto a = Make(Bounds(10, 10, 100, 80));
    auto b = Make(Bounds(300, 10, 100, 80), TWindowKind::wkPopup);
    auto tip = Make(Bounds(500, 10, 100, 80), TWindowKind::wkTooltip);
    Collect(150);
    SDL_WarpMouseGlobal(80, 50);
    const auto inA = Collect(300);
    SDL_WarpMouseGlobal(320, 30);
    const auto inB = Collect(300);
    ASSERT_FALSE(inA.empty());
    EXPECT_EQ(inA.front().Kind, TEventKind::ekMouseEnter);
    EXPECT_EQ(inA.back().Kind, TEventKind::ekMouseMove);
    EXPECT_EQ((TPoint{inA.back().X, inA.back().Y}), (TPoint{70, 40}));
    EXPECT_EQ((TPoint{inA.back().ScreenX, inA.back().ScreenY}), (TPoint{80, 50}));
    std::vector<std::pair<TEventKind, IHostWindow*>> crossing;
    for (const TEvent& e : inB)
        if (e.Kind != TEventKind::ekMouseMove) crossing.emplace_back(e.Kind, e.Window);
    const std::vector<std::pair<TEventKind, IHostWindow*>> expected = {
        {TEventKind::ekMouseLeave, a.get()}, {TEventKind::ekMouseEnter, b.get()}};
    EXPECT_EQ(crossing, expected);
    EXPECT_EQ(host->CursorPos(), (TPoint{320, 30}));
    // A tooltip lets the pointer through to what lies below it.
    SDL_WarpMouseGlobal(520, 30);
    for (const TEvent& e : Collect(300))
        EXPECT_NE(e.Window, tip.get());
}

TEST_F(SdlHost, APopupHoldingTheCaptureHearsPressesOnTheBareDesktop) {
    auto form = Make(Bounds(10, 10, 100, 80));
    auto popup = Make(Bounds(40, 40, 60, 40), TWindowKind::wkPopup);
    Collect(150);
    Display* display = nullptr;
    Window handle = 0;
    Native(*popup, display, handle);
    auto click = [&](int x, int y) {
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, Button1, True, CurrentTime);
        XTestFakeButtonEvent(display, Button1, False, CurrentTime);
        XFlush(display);
        std::vector<TEvent> downs;
        for (const TEvent& e : Collect(200))
            if (e.Kind == TEventKind::ekMouseDown) downs.push_back(e);
        return downs;
    };

    popup->SetCapture(true);
    // The bare desktop, the popup itself, and the window it opened from.
    for (TPoint at : {TPoint{600, 500}, TPoint{50, 45}, TPoint{20, 20}}) {
        const auto downs = click(at.X, at.Y);
        ASSERT_EQ(downs.size(), 1u) << at.X << "," << at.Y;
        EXPECT_EQ(downs[0].Window, popup.get());
        EXPECT_EQ(downs[0].Button, mbLeft);
        EXPECT_EQ((TPoint{downs[0].X, downs[0].Y}), (TPoint{at.X - 40, at.Y - 40}));
    }
    popup->SetCapture(false);
    EXPECT_TRUE(click(600, 500).empty());
    const auto own = click(20, 20);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].Window, form.get());
    EXPECT_EQ((TPoint{own[0].X, own[0].Y}), (TPoint{10, 10}));
}

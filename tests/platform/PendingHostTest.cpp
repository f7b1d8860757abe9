// A host made on a thread of its own: what needs it waits for it, what has an
// early answer does not, a failure reaches every call that needs the host,
// and a wake from another thread before it is made is not lost.
#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

#include "platform/CreateHost.h"
#include "platform/TPendingHost.h"

namespace {

// The maker waits until the test lets it go, so the test knows the host is
// not made yet; the headless host it makes answers with its own screen.
struct TGatedMaker {
    std::promise<void> Go;
    THeadlessHost* Made = nullptr;

    std::function<std::unique_ptr<IHost>()> Maker() {
        return [this, go = Go.get_future().share()] {
            go.wait();
            auto host = CreateHeadlessHost();
            host->SetScreen({640, 480}, 0);
            Made = host.get();
            return std::unique_ptr<IHost>(std::move(host));
        };
    }
};

TWindowParams Params() {
    TWindowParams p;
    p.Bounds = TRect{10, 10, 110, 60};
    p.Title = "pending";
    return p;
}

} // namespace

TEST(PendingHost, EarlyAnswersComeAtOnceAndTheRealHostAnswersOnceMade) {
    TGatedMaker gate;
    TPendingHost host(gate.Maker());
    TEarlyAnswers early;
    early.Clock = [] { return uint64_t{4242}; };
    early.HasScreen = true;
    early.Screen = {1920, 1080};
    early.WorkArea = TRect{0, 30, 1920, 1080};
    host.SetEarlyAnswers(early);

    // The maker still waits: these would never return if they waited for it.
    EXPECT_EQ(host.Now(), 4242u);
    EXPECT_EQ(host.ScreenSize(), (TSize{1920, 1080}));
    EXPECT_EQ(host.WorkArea(), (TRect{0, 30, 1920, 1080}));

    gate.Go.set_value();
    const std::unique_ptr<IHostWindow> window = host.CreateWindow(Params());
    ASSERT_NE(gate.Made, nullptr);
    ASSERT_EQ(gate.Made->Windows().size(), 1u);
    EXPECT_EQ(window->Bounds(), Params().Bounds);
    EXPECT_EQ(host.ScreenSize(), (TSize{640, 480}));
    EXPECT_EQ(host.Now(), gate.Made->Now());
    EXPECT_STREQ(host.Name(), gate.Made->Name());
}

TEST(PendingHost, WithoutEarlyAnswersEveryCallWaitsForTheHost) {
    TGatedMaker gate;
    TPendingHost host(gate.Maker());
    std::thread release([&gate] { gate.Go.set_value(); });
    EXPECT_EQ(host.ScreenSize(), (TSize{640, 480}));
    release.join();
}

TEST(PendingHost, AFailureToMakeTheHostIsThrownAtEveryCallThatNeedsIt) {
    TPendingHost host([]() -> std::unique_ptr<IHost> {
        throw std::runtime_error("Cannot open a display: none here");
    });
    TEarlyAnswers early;
    early.HasScreen = true;
    early.Screen = {800, 600};
    host.SetEarlyAnswers(early);
    host.Wake(); // from anywhere, and never a throw
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            host.CreateWindow(Params());
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "Cannot open a display: none here");
        }
    }
    EXPECT_THROW(host.Now(), std::runtime_error);
    EXPECT_EQ(host.ScreenSize(), (TSize{800, 600}));
    TPendingHost nothing([] { return std::unique_ptr<IHost>(); });
    EXPECT_THROW(nothing.Ready(), std::runtime_error);
}

// A wake lets the loop's next wait return at once; a headless wait that is
// not woken runs its clock on to the deadline instead.
TEST(PendingHost, AWakeBeforeTheHostIsMadeReachesItsLoop) {
    for (const bool woken : {true, false}) {
        TGatedMaker gate;
        TPendingHost host(gate.Maker());
        if (woken) std::thread([&host] { host.Wake(); }).join();
        gate.Go.set_value();
        TEvent e;
        const uint64_t before = host.Now();
        EXPECT_FALSE(host.WaitEvent(e, before + 1000));
        EXPECT_EQ(host.Now(), woken ? before : before + 1000) << (woken ? "woken" : "not woken");
    }
}

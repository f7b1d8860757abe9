// Timers run on the loop's virtual clock.

#include "tests/HeadlessApp.h"

using Timers = HeadlessApp;

#include "framework/forms/TForm.h"
#include "framework/forms/TTimer.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/WinApi.h"

TEST_F(Timers, TimerTicksEveryIntervalOfVirtualTime) {
    auto* t = new TTimer(App.get());
    int ticks = 0;
    t->OnTimer = [&](TObject*) { ++ticks; };
    t->SetInterval(100);
    Advance(99);
    EXPECT_EQ(ticks, 0);
    Advance(1);
    EXPECT_EQ(ticks, 1);
    Advance(100);
    EXPECT_EQ(ticks, 2);
    // A late loop ticks once, then counts again from then.
    Advance(350);
    EXPECT_EQ(ticks, 3);
    Advance(99);
    EXPECT_EQ(ticks, 3);
    Advance(1);
    EXPECT_EQ(ticks, 4);
    t->SetEnabled(false);
    Advance(1000);
    EXPECT_EQ(ticks, 4);
}

TEST_F(Timers, IdleLoopSleepsUntilTheEarliestTimer) {
    auto* slow = new TTimer(App.get());
    slow->SetInterval(500);
    auto* fast = new TTimer(App.get());
    fast->SetInterval(120);
    uint64_t firedAt = 0;
    fast->OnTimer = [&](TObject*) { firedAt = Host->Now(); };
    uint64_t start = Host->Now();
    Application->HandleMessage(); // nothing to do: waits for the next deadline
    EXPECT_EQ(firedAt - start, 120u);
}

TEST_F(Timers, TimerMayFreeItselfInItsTick) {
    auto* t = new TTimer(App.get());
    auto* other = new TTimer(App.get());
    t->SetInterval(10);
    other->SetInterval(10);
    int otherTicks = 0;
    other->OnTimer = [&](TObject*) { ++otherTicks; };
    t->OnTimer = [t](TObject*) { t->Free(); };
    Advance(10);
    Advance(10);
    EXPECT_EQ(otherTicks, 2);
    EXPECT_EQ(App->ComponentCount(), 2); // the screen and the other timer
}

TEST_F(Timers, WindowTimersSendWmTimerWithTheirId) {
    struct TTicker : TCustomControl {
        using TCustomControl::TCustomControl;
        std::vector<uintptr_t> Ids;
        void WndProc(TMessage& m) override {
            if (m.Msg == WM_TIMER) Ids.push_back(m.WParam);
            TCustomControl::WndProc(m);
        }
    };
    auto* f = new TForm(App.get());
    auto* c = new TTicker(f);
    SetTimer(c->Handle(), 7, 50);
    SetTimer(c->Handle(), 8, 80);
    Advance(50);
    Advance(30);
    EXPECT_EQ(c->Ids, (std::vector<uintptr_t>{7, 8}));
    EXPECT_TRUE(KillTimer(c->Handle(), 7));
    EXPECT_FALSE(KillTimer(c->Handle(), 7));
    Advance(80);
    EXPECT_EQ(c->Ids, (std::vector<uintptr_t>{7, 8, 8}));
    c->Free(); // its timers go with it
    Advance(200);
}

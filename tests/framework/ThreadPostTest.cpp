// Messages posted from another thread: they reach the window at the next
// turn, and a wait in the loop ends for them instead of sleeping on.
#include <thread>

#include "framework/window/TCustomControl.h"
#include "framework/window/WinApi.h"
#include "tests/HeadlessApp.h"

namespace {

constexpr uint32_t kTestMessage = WM_APP + 7;

class TCounting : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Seen = 0;
    uintptr_t LastWParam = 0;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg == kTestMessage) {
            ++Seen;
            LastWParam = m.WParam;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

using ThreadPost = HeadlessApp;

TEST_F(ThreadPost, PostsFromAnotherThreadArriveInOrderAndWakeTheWait) {
    NewForm();
    auto* target = Make<TCounting>(0, 0, 10, 10);
    const HWND h = target->Handle();
    std::thread worker([h] {
        for (uintptr_t i = 1; i <= 100; ++i)
            TMessageLoop::Instance().PostFromThread(h, kTestMessage, i, 0);
    });
    worker.join();
    EXPECT_TRUE(TMessageLoop::Instance().WaitForThreadPost(0));
    const uint64_t before = Host->Now();
    // A wake keeps the headless wait from moving the clock to the deadline.
    TEvent e;
    EXPECT_FALSE(Host->WaitEvent(e, before + 5000));
    EXPECT_EQ(Host->Now(), before);
    Pump();
    EXPECT_EQ(target->Seen, 100);
    EXPECT_EQ(target->LastWParam, 100u);
    EXPECT_FALSE(TMessageLoop::Instance().WaitForThreadPost(0));
}

TEST_F(ThreadPost, APostToAWindowGoneMeanwhileFindsNothing) {
    NewForm();
    auto* target = Make<TCounting>(0, 0, 10, 10);
    const HWND h = target->Handle();
    std::thread([h] { TMessageLoop::Instance().PostFromThread(h, kTestMessage, 1, 0); }).join();
    delete target;
    Pump(); // no crash, nothing delivered to freed memory
    EXPECT_FALSE(IsWindow(h));
}

} // namespace

// Sending, posting, registered messages and replaced window procedures.

#include "tests/HeadlessApp.h"

using Messages = HeadlessApp;

#include <string>
#include <vector>

#include "framework/forms/TForm.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/WinApi.h"

namespace {
class TLogControl : public TCustomControl {
public:
    explicit TLogControl(TComponent* o, std::vector<std::string>* log)
        : TCustomControl(o), FLog(log) {}
    void WndProc(TMessage& m) override {
        if (m.Msg >= WM_USER && m.Msg < WM_USER + 100) {
            FLog->push_back(Name() + ":" + std::to_string(m.Msg - WM_USER));
            m.Result = static_cast<intptr_t>(m.WParam) * 2;
            return;
        }
        TCustomControl::WndProc(m);
    }

private:
    std::vector<std::string>* FLog;
};
} // namespace

TEST_F(Messages, SendIsSynchronousPostWaitsForTheLoopInOrder) {
    std::vector<std::string> log;
    auto* f = new TForm(App.get());
    auto* a = new TLogControl(f, &log);
    a->SetName("a");
    a->SetParent(f);
    auto* b = new TLogControl(f, &log);
    b->SetName("b");
    b->SetParent(f);

    EXPECT_TRUE(PostMessage(a->Handle(), WM_USER + 1));
    EXPECT_TRUE(PostMessage(b->Handle(), WM_USER + 2));
    EXPECT_EQ(SendMessage(a->Handle(), WM_USER + 3, 21), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"a:3"}));
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a:3", "a:1", "b:2"}));
}

TEST_F(Messages, DeadHandlesFindNothing) {
    std::vector<std::string> log;
    auto* f = new TForm(App.get());
    auto* a = new TLogControl(f, &log);
    a->SetParent(f);
    HWND h = a->Handle();
    PostMessage(h, WM_USER + 1);
    a->Free();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(SendMessage(h, WM_USER + 1, 5), 0);
    EXPECT_FALSE(PostMessage(h, WM_USER + 1));
    Pump(); // the message queued before the window died is dropped
    EXPECT_TRUE(log.empty());
    // A new control never reuses the number.
    auto* b = new TLogControl(f, &log);
    EXPECT_NE(b->Handle(), h);
}

TEST_F(Messages, RegisteredMessagesAreStablePerName) {
    uint32_t a = RegisterWindowMessage("QUELM_TEST_A");
    uint32_t b = RegisterWindowMessage("QUELM_TEST_B");
    EXPECT_GE(a, 0xC000u);
    EXPECT_GE(b, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage("QUELM_TEST_A"), a);
}

TEST_F(Messages, ReplacedWindowProcSeesMessagesFirstAndPassesOn) {
    std::vector<std::string> log;
    auto* f = new TForm(App.get());
    auto* a = new TLogControl(f, &log);
    a->SetName("a");
    TWndMethod old = a->WindowProc;
    a->WindowProc = [&log, old](TMessage& m) {
        if (m.Msg == WM_USER + 7) {
            log.push_back("hook");
            m.Result = 99;
            return;
        }
        old(m);
    };
    EXPECT_EQ(a->Perform(WM_USER + 7), 99);
    EXPECT_EQ(a->Perform(WM_USER + 8, 1), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"hook", "a:8"}));
}

TEST_F(Messages, TextAndFontChangesNotifyAndChildrenFollowParentFont) {
    auto* f = new TForm(App.get());
    auto* a = new TLogControl(f, nullptr);
    a->SetParent(f);
    f->Font()->SetHeight(-15);
    EXPECT_EQ(a->Font()->Height(), -15);
    a->Font()->SetHeight(-9);
    EXPECT_FALSE(a->ParentFont());
    f->Font()->SetHeight(-20);
    EXPECT_EQ(a->Font()->Height(), -9);
    a->SetParentFont(true);
    EXPECT_EQ(a->Font()->Height(), -20);

    f->SetColor(clYellow);
    EXPECT_EQ(a->Color(), clYellow);
    a->SetCaption("x");
    EXPECT_EQ(a->Perform(WM_GETTEXTLENGTH), 1);
}

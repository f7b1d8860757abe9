// Focus and tab order, dialog keys, keyboard routing, and mouse routing with
// enter and leave tracking, capture and clicks.

#include "tests/HeadlessApp.h"

#include <string>
#include <vector>

#include "framework/forms/TForm.h"
#include "framework/window/TCustomControl.h"
#include "framework/window/TGraphicControl.h"
#include "framework/window/WinApi.h"
#include "platform/VirtualKeys.h"

namespace {
std::vector<std::string> gLog;

// A focusable control that logs what reaches it and can act as a default or
// cancel button through CM_DIALOGKEY.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* o, const std::string& name) : TCustomControl(o) {
        SetName(name);
        SetTabStop(true);
    }
    bool IsDefault = false, IsCancel = false;
    uint32_t DlgCode = 0;
    int Clicks = 0;

    void WndProc(TMessage& m) override {
        switch (m.Msg) {
        case WM_SETFOCUS:
            gLog.push_back(Name() + ".setfocus");
            break;
        case WM_KILLFOCUS:
            gLog.push_back(Name() + ".killfocus");
            break;
        case CM_ENTER:
            gLog.push_back(Name() + ".enter");
            break;
        case CM_EXIT:
            gLog.push_back(Name() + ".exit");
            break;
        case CM_MOUSEENTER:
            gLog.push_back(Name() + ".mouseenter");
            break;
        case CM_MOUSELEAVE:
            gLog.push_back(Name() + ".mouseleave");
            break;
        case WM_KEYDOWN:
            gLog.push_back(Name() + ".key" + std::to_string(m.WParam));
            break;
        case WM_CHAR:
            gLog.push_back(Name() + ".char" + std::to_string(m.WParam));
            break;
        case WM_GETDLGCODE:
            m.Result = DlgCode;
            return;
        case CM_DIALOGKEY:
            if ((IsDefault && m.WParam == VK_RETURN) || (IsCancel && m.WParam == VK_ESCAPE)) {
                Click();
                m.Result = 1;
                return;
            }
            break;
        default:
            break;
        }
        TCustomControl::WndProc(m);
    }

protected:
    void Click() override {
        ++Clicks;
        gLog.push_back(Name() + ".click");
    }
};

class TGraphicProbe : public TGraphicControl {
public:
    explicit TGraphicProbe(TComponent* o, const std::string& name) : TGraphicControl(o) {
        SetName(name);
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == CM_MOUSEENTER) gLog.push_back(Name() + ".mouseenter");
        if (m.Msg == CM_MOUSELEAVE) gLog.push_back(Name() + ".mouseleave");
        if (m.Msg == WM_LBUTTONDOWN) gLog.push_back(Name() + ".down");
        TGraphicControl::WndProc(m);
    }
};

class InputTest : public HeadlessApp {
protected:
    void SetUp() override {
        HeadlessApp::SetUp();
        gLog.clear();
        F = new TForm(App.get());
        F->SetBorderStyle(bsNone);
        F->SetBounds(0, 0, 200, 100);
        A = Add("a", 0);
        B = Add("b", 50);
        C = Add("c", 100);
    }
    TProbe* Add(const std::string& name, int left) {
        auto* p = new TProbe(F, name);
        p->SetParent(F);
        p->SetBounds(left, 10, 40, 20);
        return p;
    }
    void Key(int vk, unsigned mods = 0) {
        Host->InjectKey(F->HostWindow(), vk, mods);
        Pump();
    }
    IHostWindow* W() { return F->HostWindow(); }

    TForm* F = nullptr;
    TProbe *A = nullptr, *B = nullptr, *C = nullptr;
};
} // namespace

TEST_F(InputTest, ShowingFocusesTheFirstTabStopAndTabWalksTheOrder) {
    C->SetTabOrder(0); // c, a, b
    F->Show();
    Pump();
    EXPECT_EQ(F->FocusedControl(), C);
    EXPECT_TRUE(C->Focused());
    Key(VK_TAB);
    EXPECT_EQ(F->FocusedControl(), A);
    Key(VK_TAB);
    EXPECT_EQ(F->FocusedControl(), B);
    Key(VK_TAB);
    EXPECT_EQ(F->FocusedControl(), C); // wraps
    Key(VK_TAB, kmShift);
    EXPECT_EQ(F->FocusedControl(), B);
    // Controls that cannot take the focus are passed over.
    C->SetEnabled(false);
    A->SetTabStop(false);
    Key(VK_TAB);
    EXPECT_EQ(F->FocusedControl(), B);
}

TEST_F(InputTest, FocusChangeSendsExitEnterThenFocusMessages) {
    F->Show();
    Pump();
    gLog.clear();
    B->SetFocus();
    EXPECT_EQ(gLog, (std::vector<std::string>{"a.killfocus", "a.exit", "b.enter", "b.setfocus"}));
    EXPECT_EQ(GetFocus(), B->Handle());
}

TEST_F(InputTest, HidingOrFreeingTheFocusedControlMovesOrClearsFocus) {
    F->Show();
    Pump();
    A->SetFocus();
    A->Hide();
    EXPECT_EQ(F->FocusedControl(), B);
    B->Free();
    EXPECT_EQ(F->FocusedControl(), nullptr);
    Key(VK_TAB);
    EXPECT_EQ(F->FocusedControl(), C);
}

TEST_F(InputTest, EnterAndEscapeReachDefaultAndCancelWhateverHasFocus) {
    A->IsDefault = true;
    C->IsCancel = true;
    F->Show();
    B->SetFocus();
    Pump();
    gLog.clear();
    Key(VK_RETURN);
    Key(VK_ESCAPE);
    EXPECT_EQ(A->Clicks, 1);
    EXPECT_EQ(C->Clicks, 1);
    // The focused control saw neither key: dialog keys are taken first.
    EXPECT_EQ(gLog, (std::vector<std::string>{"a.click", "c.click"}));
    // A control that wants all keys gets Enter itself.
    B->DlgCode = DLGC_WANTALLKEYS;
    gLog.clear();
    Key(VK_RETURN);
    EXPECT_EQ(A->Clicks, 1);
    EXPECT_EQ(gLog, (std::vector<std::string>{"b.key13", "b.char13"}));
}

TEST_F(InputTest, KeysAndTextGoToTheFocusedControl) {
    F->Show();
    C->SetFocus();
    Pump();
    gLog.clear();
    B->DlgCode = DLGC_WANTCHARS;
    Host->InjectKey(W(), 'X');
    Host->InjectText(W(), "xç");
    Pump();
    EXPECT_EQ(gLog, (std::vector<std::string>{"c.key88", "c.char120", "c.char231"}));
}

TEST_F(InputTest, MouseEnterAndLeaveFollowTheDeepestControl) {
    auto* g = new TGraphicProbe(F, "g");
    g->SetParent(B);
    g->SetBounds(5, 5, 10, 10);
    F->Show();
    Pump();
    gLog.clear();
    Host->InjectMouseMove(W(), 5, 15);  // over a
    Host->InjectMouseMove(W(), 6, 15);  // still a: nothing new
    Host->InjectMouseMove(W(), 52, 12); // b
    Host->InjectMouseMove(W(), 57, 17); // g inside b
    Host->InjectMouseMove(W(), 45, 15); // the form between controls
    Host->InjectMouseLeave(W());
    Pump();
    EXPECT_EQ(gLog, (std::vector<std::string>{"a.mouseenter", "a.mouseleave", "b.mouseenter",
                                              "b.mouseleave", "g.mouseenter", "g.mouseleave"}));
}

TEST_F(InputTest, ClickNeedsReleaseInsideAndCaptureFollowsThePress) {
    F->Show();
    Pump();
    Host->InjectMouseDown(W(), 10, 15);
    EXPECT_EQ(A->Clicks, 0);
    Pump();
    EXPECT_EQ(GetCaptureControl(), A);
    Host->InjectMouseMove(W(), 60, 15); // dragged over b: a keeps the mouse
    Host->InjectMouseUp(W(), 60, 15);
    Pump();
    EXPECT_EQ(A->Clicks, 0);
    EXPECT_EQ(B->Clicks, 0);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // Out and back in again before the release: a click.
    Host->InjectMouseDown(W(), 10, 15);
    Host->InjectMouseMove(W(), 60, 15);
    Host->InjectMouseMove(W(), 12, 15);
    Host->InjectMouseUp(W(), 12, 15);
    Pump();
    EXPECT_EQ(A->Clicks, 1);
}

TEST_F(InputTest, DisabledControlsLetTheMouseThroughToTheParent) {
    auto* g = new TGraphicProbe(F, "g");
    g->SetParent(F);
    g->SetBounds(150, 50, 20, 20);
    F->Show();
    Pump();
    gLog.clear();
    Host->InjectClick(W(), 155, 55);
    Pump();
    EXPECT_EQ(gLog, (std::vector<std::string>{"g.mouseenter", "g.down"}));
    g->SetEnabled(false);
    gLog.clear();
    Host->InjectClick(W(), 156, 55);
    Pump();
    EXPECT_EQ(gLog, (std::vector<std::string>{"g.mouseleave"}));
}

// The launcher's windows in their skinned frames: the title buttons and
// system menu each window offers, closing the program from the menu and by
// Alt+F4 alike, and a golden image of each window active and inactive.
// Regenerate the goldens deliberately with: make golden

#include "LauncherFixture.h"
#include "WindowGoldens.h"

#include "frame/TsSkinProvider.h"
#include "platform/headless/THeadlessWindow.h"
#include "tests/GoldenImage.h"

using WindowFrame = HeadlessLauncher;

namespace {

TsSkinProvider* ProviderOf(TCustomForm* form) {
    return dynamic_cast<TsSkinProvider*>(form->FindComponent("sSkinProvider1"));
}

struct TWindowCase {
    TCustomForm** Form;
    bool Minimise;
};

} // namespace

TEST_F(WindowFrame, EachWindowOffersItsButtonsAndMenuItems) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Form2->Show();
    Form3->Show();
    Application->ProcessMessages();
    // The options dialog shows close only; the single-border windows close and minimise.
    const TWindowCase cases[] = {{reinterpret_cast<TCustomForm**>(&Form1), true},
                                 {reinterpret_cast<TCustomForm**>(&Form2), false},
                                 {reinterpret_cast<TCustomForm**>(&Form3), true}};
    for (const TWindowCase& c : cases) {
        TCustomForm* form = *c.Form;
        SCOPED_TRACE(form->Name());
        TsSkinProvider* p = ProviderOf(form);
        ASSERT_NE(p, nullptr);
        EXPECT_TRUE(p->SkinActive());
        EXPECT_FALSE(p->ShowAppIcon());
        EXPECT_NE(p->ButtonClose.State, tbsAbsent);
        EXPECT_EQ(p->ButtonMax.State, tbsAbsent);
        EXPECT_EQ(p->ButtonMin.State != tbsAbsent, c.Minimise);
        EXPECT_NE(form->WindowRgn(), nullptr);
        TsSystemMenu& menu = *p->SystemMenu();
        menu.UpdateItems();
        auto item = [&](const char* name) { return *menu.Find(name); };
        EXPECT_EQ(item("ItemMinimize").Visible, c.Minimise);
        EXPECT_EQ(item("ItemMinimize").Enabled, true);
        EXPECT_EQ(item("ItemRestore").Visible, c.Minimise);
        EXPECT_FALSE(item("ItemRestore").Enabled);
        EXPECT_EQ(item("ItemSize").Visible, c.Minimise);
        EXPECT_FALSE(item("ItemMaximize").Visible);
        EXPECT_TRUE(item("ItemMove").Enabled);
        EXPECT_TRUE(item("ItemClose").Visible && item("ItemClose").Enabled);
    }
}

TEST_F(WindowFrame, CloseFromTheMenuAndAltF4EndTheProgramAlike) {
    for (bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Alt+F4" : "menu");
        WriteFullIni("0");
        WriteAllSettings();
        CreateLauncher();
        Form1->Show();
        Application->ProcessMessages();
        int closes = 0;
        Form1->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
        if (byKey) {
            Key(VK_F4, kmAlt);
        } else {
            Form1->Perform(WM_SYSCOMMAND, SC_KEYMENU, ' ');
            Application->ProcessMessages();
            Host->InjectText(nullptr, "c");
            Application->ProcessMessages();
        }
        EXPECT_EQ(closes, 1);
        EXPECT_TRUE(Application->Terminated());
        DestroyLauncher();
    }
}

TEST_F(WindowFrame, TitleButtonsMinimiseAndCloseTheMainWindowAndTheCaptionMovesIt) {
    WriteFullIni("0");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Application->ProcessMessages();
    TsSkinProvider* p = ProviderOf(Form1);
    auto* window = Host->Find(Form1->HostWindow());
    auto click = [&](const TRect& r) {
        Host->InjectClick(Form1->HostWindow(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        Application->ProcessMessages();
    };
    const TRect oldBounds = Form1->BoundsRect();
    Host->InjectMouseDown(Form1->HostWindow(), 100, 10);
    Host->InjectMouseMove(Form1->HostWindow(), 130, 30);
    Host->InjectMouseUp(Form1->HostWindow(), 130, 30);
    Application->ProcessMessages();
    EXPECT_EQ(Form1->BoundsRect(), oldBounds.Offset(30, 20));
    click(p->ButtonMin.Rect);
    EXPECT_TRUE(window->Minimized());
    EXPECT_FALSE(Application->Terminated());
    Form1->Show();
    click(p->ButtonClose.Rect);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(WindowFrame, WindowsActiveAndInactiveMatchTheirGoldenImages) {
    WriteFullIni("0", "");
    WriteAllSettings();
    CreateLauncher();
    Form1->Show();
    Form2->Show();
    Form3->Show();
    Application->ProcessMessages();
    for (TCustomForm* f : LauncherWindows()) {
        SCOPED_TRACE(f->Name());
        f->Activate();
        Application->ProcessMessages();
        ExpectMatchesGolden(Host->Find(f->HostWindow())->Picture(),
                            "launcher-frame-" + f->Name() + "-active");
        (f == Form1 ? static_cast<TCustomForm*>(Form3) : static_cast<TCustomForm*>(Form1))
            ->Activate();
        Application->ProcessMessages();
        ExpectMatchesGolden(Host->Find(f->HostWindow())->Picture(),
                            "launcher-frame-" + f->Name() + "-inactive");
    }
}

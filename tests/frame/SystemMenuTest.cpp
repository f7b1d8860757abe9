// The system menu: its items and their states, the skin submenu, and its
// window opened from the caption and worked by mouse and keyboard.

#include "FrameFixture.h"
#include "frame/TsSysMenuPopup.h"
#include "platform/VirtualKeys.h"
#include "platform/headless/THeadlessHost.h"

using SystemMenu = FrameTest;

namespace {

struct TItemState {
    const char* Name;
    bool Visible, Enabled;
};

void ExpectItems(const TsSystemMenu& menu, std::initializer_list<TItemState> expected) {
    for (const TItemState& e : expected) {
        SCOPED_TRACE(e.Name);
        const TsMenuItem* item = menu.Find(e.Name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Visible, e.Visible);
        if (e.Visible) {
            EXPECT_EQ(item->Enabled, e.Enabled);
        }
    }
}

} // namespace

TEST_F(SystemMenu, ItemsFollowTheBorderStyleAndState) {
    MakeFrame(bsSingle);
    TsSystemMenu& menu = *Provider->SystemMenu();
    std::vector<std::string> captions;
    for (const TsMenuItem& item : menu.Items())
        captions.push_back(item.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize",
                                                  "-", "Close"}));
    menu.UpdateItems();
    ExpectItems(menu, {{"ItemRestore", true, false},
                       {"ItemMove", true, true},
                       {"ItemSize", true, true},
                       {"ItemMinimize", true, true},
                       {"ItemMaximize", false, false},
                       {"ItemClose", true, true}});
    Form->SetWindowState(wsMinimized);
    menu.UpdateItems();
    ExpectItems(menu, {{"ItemRestore", true, true}, {"ItemMinimize", true, false}});
}

TEST_F(SystemMenu, SizeableMaximisedAndDialog) {
    MakeFrame(bsSizeable);
    TsSystemMenu& menu = *Provider->SystemMenu();
    Form->SetWindowState(wsMaximized);
    menu.UpdateItems();
    ExpectItems(menu, {{"ItemRestore", true, true},
                       {"ItemMove", true, false},
                       {"ItemMaximize", true, false},
                       {"ItemMinimize", true, true}});
    Form->SetWindowState(wsNormal);
    Form->SetBorderStyle(bsDialog);
    TsSkinProvider dialog(Form);
    dialog.SystemMenu()->UpdateItems();
    ExpectItems(*dialog.SystemMenu(), {{"ItemRestore", false, false},
                                       {"ItemMove", true, true},
                                       {"ItemSize", false, false},
                                       {"ItemMinimize", false, false},
                                       {"ItemMaximize", false, false},
                                       {"ItemClose", true, true}});
}

TEST_F(SystemMenu, SkinSubmenuIsRebuiltOnTopEachTime) {
    MakeFrame(bsSingle);
    Provider->OnDropSysMenu = [](TsSkinProvider&, TPoint) {};
    Provider->DropSysMenu(0, 0);
    Provider->DropSysMenu(0, 0);
    const auto& items = Provider->SystemMenu()->Items();
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[0].Caption, "Available skins");
    EXPECT_EQ(items[1].Caption, "Restore");
    ASSERT_EQ(items[0].Items.size(), 1u);
    EXPECT_EQ(items[0].Items[0].Name, "SkinSelectItem0");
    EXPECT_EQ(items[0].Items[0].Caption, LauncherSkin().Name);
}

TEST_F(SystemMenu, RightClickOnTheCaptionOpensItAndEscapeClosesIt) {
    MakeFrame(bsSingle);
    auto& host = static_cast<THeadlessHost&>(Host());
    const TPoint at = ScreenOf({100, 10});
    EXPECT_EQ(Form->Perform(WM_NCRBUTTONDOWN, HTCAPTION, PointToLParam(at)), 0);
    Form->Perform(WM_NCRBUTTONUP, HTCAPTION, PointToLParam(at));
    TsSysMenuPopup* popup = Provider->SystemMenu()->Window();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Left(), at.X);
    EXPECT_EQ(popup->Top(), at.Y);
    // The keys of the form go to the menu while it is open.
    host.InjectKey(Form->HostWindow(), VK_ESCAPE);
    Pump();
    EXPECT_EQ(Provider->SystemMenu()->Window(), nullptr);
}

TEST_F(SystemMenu, KeyboardAndMouseChooseAndAClickOutsideCloses) {
    MakeFrame(bsSingle);
    auto& host = static_cast<THeadlessHost&>(Host());
    bool closed = false;
    Form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    Form->Perform(WM_SYSCOMMAND, SC_KEYMENU, ' ');
    TsSysMenuPopup* popup = Provider->SystemMenu()->Window();
    ASSERT_NE(popup, nullptr);
    Pump();
    // Down from nothing selects the first enabled row: the submenu, then Move.
    host.InjectKey(Form->HostWindow(), VK_DOWN);
    host.InjectKey(Form->HostWindow(), VK_DOWN);
    Pump();
    EXPECT_EQ(popup->Rows()[popup->Selected()]->Name, "ItemMove");
    host.InjectMouseDownAt({5, 5});
    Pump();
    EXPECT_EQ(Provider->SystemMenu()->Window(), nullptr);

    Provider->DropSysMenu(Form->Left() + 50, Form->Top() + 30);
    Pump();
    host.InjectText(Form->HostWindow(), "c");
    Pump();
    EXPECT_TRUE(closed);
    EXPECT_EQ(Provider->SystemMenu()->Window(), nullptr);
}

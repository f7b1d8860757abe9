#pragma once
// The provider's own system menu: Restore, Move, Size, Minimize, Maximize, a
// separator and Close, each sending its window command to the form, shown and
// enabled by the form's border style, state and the provider's title-button
// set; with MakeSkinMenu an "Available skins" submenu on top that switches the
// skin manager's skin.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/window/ControlTypes.h"

class TsSkinProvider;
class TsSysMenuPopup;

struct TsMenuItem {
    std::string Name;
    std::string Caption;
    uint32_t Command = 0; // the WM_SYSCOMMAND code; 0 for a separator or a skin
    std::string ShortCut; // shown at the right
    bool Visible = true;
    bool Enabled = true;
    std::vector<TsMenuItem> Items; // a submenu
    char AccessKey = 0;            // the underlined letter, upper case
};

class TsSystemMenu {
public:
    explicit TsSystemMenu(TsSkinProvider* provider);
    ~TsSystemMenu();
    TsSkinProvider* Provider() const { return FProvider; }

    std::vector<TsMenuItem>& Items() { return FItems; }
    const std::vector<TsMenuItem>& Items() const { return FItems; }
    // The item of that name, at the top level or in the skin submenu; null when absent.
    const TsMenuItem* Find(const std::string& name) const;

    // Shows and enables the items by the form's present state.
    void UpdateItems();
    // Puts the "Available skins" submenu on top (the previous one removed first).
    void MakeSkinItems();
    // Does what the item stands for.
    void Choose(const TsMenuItem& item);

    // Opens the menu's window at a screen point; closes it.
    void Popup(TPoint at);
    void CloseUp();
    // The open menu window, or null.
    TsSysMenuPopup* Window() const;

private:
    TsSkinProvider* FProvider;
    std::vector<TsMenuItem> FItems;
    std::unique_ptr<TsSysMenuPopup> FPopup;
};

#pragma once
// The menu skinner of the default skin manager. Menus are not skinned by
// this system's controls yet; the skinner keeps the hand-over: which menus
// are hooked, and whether popup menus are skinned too.

#include <vector>

class TComponent;

class TsSkinableMenus {
public:
    void HookMenu(TComponent* menu);
    void UnhookMenu(TComponent* menu);
    bool IsHooked(const TComponent* menu) const;
    int HookedCount() const { return static_cast<int>(FMenus.size()); }

    bool SkinnedPopups() const { return FSkinnedPopups; }
    // Re-skins (true) or un-skins (false) the popup menus.
    void SetSkinnedPopups(bool on) { FSkinnedPopups = on; }

    // Main menus, popup menus and menu items, by their class names.
    static bool IsMenuComponent(const TComponent* c);

private:
    std::vector<TComponent*> FMenus;
    bool FSkinnedPopups = true;
};

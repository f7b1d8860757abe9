#include "skin/TsSkinableMenus.h"

#include <algorithm>

#include "framework/component/TClassRegistry.h"
#include "framework/component/TComponent.h"

void TsSkinableMenus::HookMenu(TComponent* menu) {
    if (!IsHooked(menu)) FMenus.push_back(menu);
}

void TsSkinableMenus::UnhookMenu(TComponent* menu) {
    FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), menu), FMenus.end());
}

bool TsSkinableMenus::IsHooked(const TComponent* menu) const {
    return std::find(FMenus.begin(), FMenus.end(), menu) != FMenus.end();
}

bool TsSkinableMenus::IsMenuComponent(const TComponent* c) {
    for (const TClassInfo* i = c ? c->ClassInfo() : nullptr; i; i = i->Parent)
        if (i->Name == "TMenu" || i->Name == "TMainMenu" || i->Name == "TMenuItem") return true;
    return false;
}

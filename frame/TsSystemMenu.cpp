#include "frame/TsSystemMenu.h"

#include <algorithm>

#include "frame/TsSkinProvider.h"
#include "framework/forms/TApplication.h"
#include "skin/TsSkinManager.h"

namespace {

const char* const SkinSubmenuCaption = "Available skins";
const char* const SkinItemPrefix = "SkinSelectItem";

std::string WithoutAmpersands(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
    return s;
}

} // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : FProvider(provider) {
    FItems = {
        {"ItemRestore", "Restore", SC_RESTORE, "", true, true, {}},
        {"ItemMove", "Move", SC_MOVE, "", true, true, {}},
        {"ItemSize", "Size", SC_SIZE, "", true, true, {}},
        {"ItemMinimize", "Minimize", SC_MINIMIZE, "", true, true, {}},
        {"ItemMaximize", "Maximize", SC_MAXIMIZE, "", true, true, {}},
        {"", "-", 0, "", true, true, {}},
        {"ItemClose", "Close", SC_CLOSE, "Alt+F4", true, true, {}},
    };
}

const TsMenuItem* TsSystemMenu::Find(const std::string& name) const {
    for (const TsMenuItem& item : FItems) {
        if (item.Name == name) return &item;
        for (const TsMenuItem& sub : item.Items)
            if (sub.Name == name) return &sub;
    }
    return nullptr;
}

void TsSystemMenu::UpdateItems() {
    const TsSkinProvider& p = *FProvider;
    for (TsMenuItem& item : FItems) {
        if (item.Name == "ItemRestore") {
            item.Visible = p.MinVisible();
            item.Enabled = p.RestoreEnabled();
        } else if (item.Name == "ItemMove") {
            item.Enabled = p.MoveEnabled();
        } else if (item.Name == "ItemSize") {
            item.Visible = p.SizeVisible();
        } else if (item.Name == "ItemMinimize") {
            item.Visible = p.MinVisible();
            item.Enabled = p.MinEnabled();
        } else if (item.Name == "ItemMaximize") {
            item.Visible = p.MaxVisible();
            item.Enabled = p.MaxEnabled();
        } else if (item.Name == "ItemClose") {
            item.Visible = p.CloseVisible();
            item.Enabled = true;
        }
    }
}

void TsSystemMenu::MakeSkinItems() {
    std::erase_if(FItems, [](const TsMenuItem& i) { return i.Caption == SkinSubmenuCaption; });
    TsSkinManager* manager = FProvider->SkinManager();
    if (!manager) return;
    std::vector<std::string> names;
    manager->GetSkinNames(names);
    TsMenuItem sub{"", SkinSubmenuCaption, 0, "", true, true, {}};
    for (size_t i = 0; i < names.size(); ++i)
        sub.Items.push_back({SkinItemPrefix + std::to_string(i), names[i], 0, "", true, true, {}});
    FItems.insert(FItems.begin(), std::move(sub));
}

void TsSystemMenu::Choose(const TsMenuItem& item) {
    TCustomForm* form = FProvider->Form();
    if (!item.Enabled || !form) return;
    if (item.Name.rfind(SkinItemPrefix, 0) == 0) {
        if (TsSkinManager* manager = FProvider->SkinManager())
            manager->SetSkinName(WithoutAmpersands(item.Caption));
        return;
    }
    if (!item.Command) return;
    TControlRef alive(form);
    if (item.Command == SC_MINIMIZE && Application && Application->MainForm() == form)
        Application->Minimize();
    else
        form->Perform(WM_SYSCOMMAND, item.Command);
    const bool updates =
        item.Command == SC_RESTORE || item.Command == SC_MINIMIZE || item.Command == SC_MAXIMIZE;
    if (alive && updates) UpdateItems();
}

#include "frame/TsSystemMenu.h"

#include <algorithm>

#include "frame/TsSkinProvider.h"
#include "frame/TsSysMenuPopup.h"
#include "framework/forms/TApplication.h"
#include "skin/TsSkinManager.h"

namespace {

const char* const SkinSubmenuCaption = "Available skins";
const char* const SkinItemPrefix = "SkinSelectItem";

std::string WithoutAmpersands(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), '&'), s.end());
    return s;
}

TsMenuItem MenuItem(const char* name, const char* caption, uint32_t command, char access,
                    const char* shortCut = "") {
    TsMenuItem item;
    item.Name = name;
    item.Caption = caption;
    item.Command = command;
    item.AccessKey = access;
    item.ShortCut = shortCut;
    return item;
}

} // namespace

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : FProvider(provider) {
    FItems = {
        MenuItem("ItemRestore", "Restore", SC_RESTORE, 'R'),
        MenuItem("ItemMove", "Move", SC_MOVE, 'M'),
        MenuItem("ItemSize", "Size", SC_SIZE, 'S'),
        MenuItem("ItemMinimize", "Minimize", SC_MINIMIZE, 'N'),
        MenuItem("ItemMaximize", "Maximize", SC_MAXIMIZE, 'X'),
        MenuItem("", "-", 0, 0),
        MenuItem("ItemClose", "Close", SC_CLOSE, 'C', "Alt+F4"),
    };
}

TsSystemMenu::~TsSystemMenu() = default;

TsSysMenuPopup* TsSystemMenu::Window() const {
    return FPopup && FPopup->Visible() ? FPopup.get() : nullptr;
}

void TsSystemMenu::Popup(TPoint at) {
    if (!FPopup) FPopup = std::make_unique<TsSysMenuPopup>(this);
    FPopup->Open(at);
}

void TsSystemMenu::CloseUp() {
    if (FPopup && FPopup->Visible()) FPopup->CloseMenu();
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
    TsMenuItem sub = MenuItem("", SkinSubmenuCaption, 0, 'A');
    for (size_t i = 0; i < names.size(); ++i)
        sub.Items.push_back(
            MenuItem((SkinItemPrefix + std::to_string(i)).c_str(), names[i].c_str(), 0, 0));
    FItems.insert(FItems.begin(), std::move(sub));
}

void TsSystemMenu::Choose(const TsMenuItem& item) {
    TCustomForm* form = FProvider->Form();
    if (!item.Enabled || !form) return;
    if (item.Name.rfind(SkinItemPrefix, 0) == 0) {
        if (TsSkinManager* manager = FProvider->SkinManager()) try {
                manager->SetSkinName(WithoutAmpersands(item.Caption));
            } catch (const std::exception& e) {
                // The skin shown before stays; the user is told why the new one did not load.
                if (!Application) throw;
                Application->HandleException(e);
            }
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

#pragma once
// The component that decides which skin is loaded, loads it into the
// process-wide skin state, refreshes the common index table, and announces
// the change to every form and control through the skin command message.
//
// Only the first manager created (the default manager) loads and announces;
// others keep their property values. A manager read from a form definition
// loads when the definition is done (Loaded).

#include <memory>
#include <string>
#include <vector>

#include "framework/component/TComponent.h"
#include "framework/component/TStrings.h"
#include "skin/TsSkinableMenus.h"
#include "skin/stored/TsStoredSkin.h"

struct TMessage;

// True while a new skin is being announced; painters skip work meanwhile.
extern bool SkinChanging;

// Loading of a skin folder (Options.dat and its pictures); installed by the
// skin-folder reader. Without it a folder skin loads nothing.
struct TsSkinFolderLoader {
    void (*LoadMasks)() = nullptr;
    void (*LoadPatterns)() = nullptr;
    void (*LoadSections)() = nullptr;
};
void SetSkinFolderLoader(const TsSkinFolderLoader& loader);

class TsSkinManager : public TComponent {
public:
    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;

    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo* StaticClassInfo();

    // Published, in streaming order.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    // Lines of extra sections in ini form; any change re-applies the skin.
    TStrings* CommonSections() const { return FCommonSections.get(); }
    void SetCommonSections(const std::vector<std::string>& lines);
    TsStoredSkins* InternalSkins() { return FInternalSkins.get(); }
    void SetInternalSkins(const TsStoredSkins& skins) { FInternalSkins->Assign(skins); }
    const std::string& SkinDirectory() const { return FSkinDirectory; }
    void SetSkinDirectory(const std::string& value);
    const std::string& SkinName() const { return FSkinName; }
    // A skin that fails to load (an unreadable picture of a folder) raises the
    // error after putting the skin shown before back in place, name and all.
    void SetSkinName(const std::string& value);
    bool SkinnedPopups() const { return FSkinnedPopups; }
    void SetSkinnedPopups(bool value);
    TNotifyEvent OnAfterChange;
    TNotifyEvent OnBeforeChange;

    bool IsDefault() const;
    TsSkinableMenus* SkinableMenus() const { return FSkinableMenus.get(); }

    // The skin directory as a folder path ending with '/'. ".\" and "./" at
    // the start, and any relative path, are taken from the program's folder;
    // a path with a drive colon or a leading '/' is kept. Backslashes become '/'.
    std::string GetFullSkinDirectory() const;
    // Stored skin names, then sub-folders of the skin directory, sorted; the
    // result is the suggested skin: the first stored skin, else the first folder.
    std::string GetSkinNames(std::vector<std::string>& names) const;
    // GLOBALINFO's colour when the skin has that section, else the button face colour.
    TColor GetDefaultColor() const;

    void SendNewSkin();
    void SendRemoveSkin();
    // Loads masks, patterns and sections of the current skin, then the common sections.
    void LoadSkin();

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool FActive = true;
    void CommonSectionsChanged();
    // Steps of SkinName: the options file of a folder of that name, else a stored skin.
    void ChooseSkinSource();

    std::unique_ptr<TStrings> FCommonSections;
    bool FNormalizingSections = false;
    std::unique_ptr<TsStoredSkins> FInternalSkins;
    std::string FSkinDirectory;
    std::string FSkinName;
    bool FSkinnedPopups = true;
    std::unique_ptr<TsSkinableMenus> FSkinableMenus;
};

// Sends m to every form of the application in creation order, then passes it
// to each form's children.
void BroadcastToForms(TMessage& m);

// The folder of the running program, ending with '/'.
std::string ProgramFolder();

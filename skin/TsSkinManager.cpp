#include "skin/TsSkinManager.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

#include "framework/component/PropertyHelpers.h"
#include "framework/forms/TApplication.h"
#include "framework/forms/TCustomForm.h"
#include "framework/graphics/Graphics.h"
#include "framework/window/WinApi.h"
#include "platform/services/ReadWholeFile.h"
#include "skin/CommonSkinIndexes.h"
#include "skin/SkinCommands.h"
#include "skin/SkinIniSections.h"
#include "skin/SkinState.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/stored/StoredSkinLoader.h"

bool SkinChanging = false;

namespace {

TsSkinFolderLoader FolderLoader;

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

TMessage SkinMessage(uint16_t code, TsSkinManager* manager) {
    TMessage m;
    m.Msg = SM_VESKACMD;
    m.WParam = SkinWParam(code);
    m.LParam = reinterpret_cast<intptr_t>(manager);
    return m;
}

} // namespace

void SetSkinFolderLoader(const TsSkinFolderLoader& loader) {
    FolderLoader = loader;
}

std::string ProgramFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    std::string dir = exe.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

void BroadcastToForms(TMessage& m) {
    if (!Application) return;
    for (int i = 0; i < Application->ComponentCount(); ++i) {
        auto* form = dynamic_cast<TCustomForm*>(Application->Components(i));
        if (!form || form->IsDestroying()) continue;
        SendMessage(form->Handle(), m.Msg, m.WParam, m.LParam);
        BroadcastToChildren(form, m);
    }
}

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner), FCommonSections(std::make_unique<TStrings>()),
      FInternalSkins(std::make_unique<TsStoredSkins>()) {
    FCommonSections->OnChange = [this](TObject*) { CommonSectionsChanged(); };
    if (GlobalSkinData->DefaultManager) return;
    if (FSkinDirectory.empty()) FSkinDirectory = "c:\\Skins";
    FActive = true;
    FSkinableMenus = std::make_unique<TsSkinableMenus>();
    GlobalSkinData->DefaultManager = this;
}

TsSkinManager::~TsSkinManager() {
    MarkDestroying();
    FInternalSkins.reset();
    if (IsDefault()) {
        SendRemoveSkin();
        GlobalSkinData->DefaultManager = nullptr;
    }
}

bool TsSkinManager::IsDefault() const {
    return GlobalSkinData->DefaultManager == this;
}

void TsSkinManager::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    if (!value) {
        if (!IsLoading()) SendRemoveSkin();
        UpdateCommonSkinIndexes();
    } else {
        SetSkinName(FSkinName);
    }
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
    FCommonSections->SetStrings(lines);
}

void TsSkinManager::CommonSectionsChanged() {
    if (FNormalizingSections) return;
    std::vector<std::string> lines = FCommonSections->List();
    for (std::string& line : lines)
        if (!line.empty() && line[0] != ';')
            line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    FNormalizingSections = true;
    FCommonSections->SetStrings(lines);
    FNormalizingSections = false;
    SetSkinName(FSkinName);
}

void TsSkinManager::SetSkinDirectory(const std::string& value) {
    if (value == FSkinDirectory) return;
    FSkinDirectory = value;
    // Only the default manager speaks for the loaded skin.
    if (IsDefault()) GlobalSkinData->SkinPath = GetFullSkinDirectory();
}

void TsSkinManager::SetSkinName(const std::string& value) {
    const std::string oldName = FSkinName, oldDirectory = FSkinDirectory;
    FSkinName = value;
    if (!FActive || !IsDefault()) return;
    if (OnBeforeChange) OnBeforeChange(this);
    if (IsLoading()) {
        // The definition is still being read: Loaded loads once it is done.
        GlobalSkinData->SkinReady = false;
        ChooseSkinSource();
    } else {
        TsLoadedSkin previous = TakeLoadedSkin();
        try {
            ChooseSkinSource();
            LoadSkin();
        } catch (...) {
            RestoreLoadedSkin(std::move(previous));
            FSkinName = oldName;
            FSkinDirectory = oldDirectory;
            throw;
        }
        SendNewSkin();
    }
    if (OnAfterChange) OnAfterChange(this);
}

void TsSkinManager::ChooseSkinSource() {
    if (FSkinName.empty()) FSkinDirectory.clear();
    GlobalSkinData->IniFile.reset();
    const std::string folder = GetFullSkinDirectory() + FSkinName;
    const std::string options = folder + "/Options.dat";
    if (!FSkinName.empty() && Exists(options)) {
        GlobalSkinData->IniFile = std::make_unique<TsMemIniFile>();
        GlobalSkinData->IniFile->SetText(ReadWholeFile(options).value_or(""));
        GlobalSkinData->SkinPath = folder + "/";
    } else {
        GlobalSkinData->SkinPath.clear();
        if (!FInternalSkins->Find(FSkinName) && FInternalSkins->Count() > 0)
            FSkinName = FInternalSkins->Items(0)->Name;
    }
}

void TsSkinManager::LoadSkin() {
    const TsStoredSkin* stored = FInternalSkins->Find(FSkinName);
    TsMemIniFile common(FCommonSections->List());
    const bool folder = GlobalSkinData->IniFile != nullptr;
    auto step = [&](void (*fromFolder)(), void (*fromStored)(const TsStoredSkin&),
                    void (*clear)()) {
        if (folder && fromFolder)
            fromFolder();
        else if (!folder && stored)
            fromStored(*stored);
        else
            clear();
    };
    step(FolderLoader.LoadMasks, LoadStoredMasks, ClearSkinMasks);
    LoadIniCommonMasks(common);
    step(FolderLoader.LoadPatterns, LoadStoredPatterns, ClearSkinPatterns);
    step(FolderLoader.LoadSections, LoadStoredSections, ClearSkinSections);
    LoadIniCommonSections(common);
}

void TsSkinManager::SendNewSkin() {
    GlobalSkinData->SkinReady = false;
    SkinChanging = true;
    TMessage setNew = SkinMessage(SKC_SETNEWSKIN, this);
    BroadcastToForms(setNew);
    UpdateCommonSkinIndexes();
    SkinChanging = false;
    GlobalSkinData->SkinReady = true;
    TMessage refresh = SkinMessage(SKC_REFRESH, this);
    BroadcastToForms(refresh);
}

void TsSkinManager::SendRemoveSkin() {
    GlobalSkinData->SkinReady = false;
    TMessage remove = SkinMessage(SKC_REMOVESKIN, this);
    BroadcastToForms(remove);
    ClearSkinMasks();
    ClearSkinPatterns();
    ClearSkinSections();
}

void TsSkinManager::SetSkinnedPopups(bool value) {
    if (value == FSkinnedPopups) return;
    FSkinnedPopups = value;
    if (FSkinableMenus && !(ComponentState() & csDesigning))
        FSkinableMenus->SetSkinnedPopups(value);
}

void TsSkinManager::Loaded() {
    TComponent::Loaded();
    if (IsDefault() && FActive && !FSkinName.empty()) {
        try {
            LoadSkin();
        } catch (const ESkinFolderError& e) {
            // Nothing was shown before: a skin folder that fails at start leaves
            // no skin, and the program goes on unskinned after the error box.
            TakeLoadedSkin();
            if (!Application) throw;
            Application->HandleException(e);
            return;
        } catch (...) {
            TakeLoadedSkin();
            throw;
        }
        SendNewSkin();
    }
}

void TsSkinManager::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (!FSkinableMenus || !GlobalSkinData->SkinReady || (ComponentState() & csDesigning)) return;
    if (!TsSkinableMenus::IsMenuComponent(component)) return;
    if (operation == TOperation::opInsert)
        FSkinableMenus->HookMenu(component);
    else
        FSkinableMenus->UnhookMenu(component);
}

std::string TsSkinManager::GetFullSkinDirectory() const {
    std::string dir = FSkinDirectory;
    std::replace(dir.begin(), dir.end(), '\\', '/');
    if (dir.rfind("./", 0) == 0)
        dir = ProgramFolder() + dir.substr(2);
    else if (dir.find(':') == std::string::npos && (dir.empty() || dir[0] != '/'))
        dir = ProgramFolder() + dir;
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names) const {
    names.clear();
    std::string suggested;
    for (const auto& s : *FInternalSkins)
        names.push_back(s->Name);
    if (!names.empty()) suggested = names.front();
    std::vector<std::string> folders;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(GetFullSkinDirectory(), ec)) {
        const std::string name = e.path().filename().string();
        if (!name.empty() && name[0] != '.' && e.is_directory(ec)) folders.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    if (suggested.empty() && !folders.empty()) suggested = folders.front();
    names.insert(names.end(), folders.begin(), folders.end());
    std::sort(names.begin(), names.end());
    return suggested;
}

TColor TsSkinManager::GetDefaultColor() const {
    const int g = CommonSkinIndexes.GlobalInfo;
    if (IsValidSkinIndex(g)) return ColorToRGB(SkinGeneralData[g].Color);
    return ColorToRGB(clBtnFace);
}

const TClassInfo* TsSkinManager::StaticClassInfo() {
    using M = TsSkinManager;
    static const TClassInfo info = MakeClassInfo<M>(
        "TsSkinManager", TComponent::StaticClassInfo(),
        {BoolProp("Active", &M::SetActive), ObjectProp("CommonSections", &M::CommonSections),
         CollectionProp("InternalSkins", static_cast<TsStoredSkins* (M::*)()>(&M::InternalSkins)),
         StrProp("SkinDirectory", &M::SetSkinDirectory), StrProp("SkinName", &M::SetSkinName),
         BoolProp("SkinnedPopups", &M::SetSkinnedPopups),
         EventProp("OnAfterChange", &M::OnAfterChange),
         EventProp("OnBeforeChange", &M::OnBeforeChange)});
    return &info;
}

namespace {
const bool Registered = (RegisterClass(TsSkinManager::StaticClassInfo()), true);
}

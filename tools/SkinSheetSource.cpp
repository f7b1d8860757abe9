#include "tools/SkinSheetSource.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <strings.h>

#include "framework/component/TFormParser.h"
#include "framework/component/TFormReader.h"
#include "platform/services/ReadWholeFile.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/SkinFolderLoader.h"
#include "skin/stored/StoredSkinLoader.h"

namespace {

const TObjectDefinition* FindManager(const TObjectDefinition& def) {
    if (strcasecmp(def.ClassName.c_str(), "TsSkinManager") == 0) return &def;
    for (const TObjectDefinition& child : def.Children)
        if (const TObjectDefinition* found = FindManager(child)) return found;
    return nullptr;
}

} // namespace

std::string LoadStoredSkinFromDefinition(std::string_view text, const std::string& fileName) {
    const TObjectDefinition root = TFormParser::Parse(text, fileName);
    const TObjectDefinition* managerDef = FindManager(root);
    if (!managerDef) throw std::runtime_error(fileName + ": no TsSkinManager in the definition");

    // Only the manager is read, into a holder of its own, so that the form's
    // other classes need not be known here.
    TObjectDefinition holder;
    holder.Name = "SkinSheetHolder";
    holder.ClassName = "TComponent";
    holder.Line = managerDef->Line;
    holder.Children.push_back(*managerDef);

    auto owner = std::make_unique<TComponent>(nullptr);
    TFormReader(owner.get(), fileName).Read(holder);
    auto* manager =
        dynamic_cast<TsSkinManager*>(owner->ComponentCount() ? owner->Components(0) : nullptr);
    if (!manager) throw std::runtime_error(fileName + ": the skin manager was not created");

    const TsStoredSkins& skins = *manager->InternalSkins();
    const TsStoredSkin* stored = skins.Find(manager->SkinName());
    if (!stored && skins.Count() > 0) stored = skins.Items(0);
    if (!stored) throw std::runtime_error(fileName + ": the skin manager holds no stored skin");

    // The manager removes the skin when it goes, so keep a copy and load that.
    TsStoredSkin skin;
    skin.Assign(*stored);
    owner.reset();

    LoadStoredMasks(skin);
    LoadStoredPatterns(skin);
    LoadStoredSections(skin);
    GlobalSkinData->SkinReady = true;
    return skin.Name;
}

std::string LoadStoredSkinFromFile(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) throw std::runtime_error(path + ": cannot be read");
    return LoadStoredSkinFromDefinition(*text, path);
}

std::string LoadSkinFolder(const std::string& folder, std::vector<std::string>* notices) {
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::optional<std::string> options = ReadWholeFile(path + "/Options.dat");
    if (!options) throw std::runtime_error(path + ": no readable Options.dat");
    GlobalSkinData->IniFile = std::make_unique<TsMemIniFile>();
    GlobalSkinData->IniFile->SetText(*options);
    GlobalSkinData->SkinPath = path + "/";
    LoadSkinFolderMasks();
    LoadSkinFolderPatterns();
    LoadSkinFolderSections();
    if (notices) *notices = SkinFolderNotices();
    GlobalSkinData->SkinReady = true;
    return std::filesystem::path(path).filename().string();
}

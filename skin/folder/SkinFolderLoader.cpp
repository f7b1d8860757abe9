#include "skin/folder/SkinFolderLoader.h"

#include "framework/forms/TApplication.h"
#include "framework/stdctrls/MessageBox.h"
#include "skin/SkinState.h"
#include "skin/TsSkinManager.h"
#include "skin/folder/SkinFolderPictures.h"
#include "skin/folder/SkinFolderSections.h"

const char* const OldSkinNotice =
    "This skin was made for an older version of the skinning engine and cannot be used. "
    "Please get a newer skin.";

namespace {

std::vector<std::string> Notices;

const char* const GlobalInfo = "GLOBALINFO";

bool IsOldSkin(const TsMemIniFile& ini, double version) {
    return version == 0 && ini.SectionExists("TSEDIT");
}

void ShowOldSkinNotice() {
    const std::string caption = Application ? Application->Title() : std::string();
    MessageBox(OldSkinNotice, caption, MB_OK | MB_ICONERROR);
}

} // namespace

void InstallSkinFolderLoader() {
    SetSkinFolderLoader({LoadSkinFolderMasks, LoadSkinFolderPatterns, LoadSkinFolderSections});
}

void LoadSkinFolderMasks() {
    if (const TsMemIniFile* ini = GlobalSkinData->IniFile.get())
        LoadFolderMasks(*ini, GlobalSkinData->SkinPath);
}

void LoadSkinFolderPatterns() {
    if (const TsMemIniFile* ini = GlobalSkinData->IniFile.get())
        LoadFolderPatterns(*ini, GlobalSkinData->SkinPath);
}

void LoadSkinFolderSections() {
    ClearSkinSections();
    Notices.clear();
    const TsMemIniFile* ini = GlobalSkinData->IniFile.get();
    if (!ini) return;
    GlobalSkinData->Version = ReadSkinVersion(*ini);
    GlobalSkinData->Author = ini->ReadString(GlobalInfo, "AUTHOR", "");
    GlobalSkinData->Description = ini->ReadString(GlobalInfo, "DESCRIPTION", "");
    if (IsOldSkin(*ini, GlobalSkinData->Version)) {
        ShowOldSkinNotice();
        return;
    }
    // Built aside and swapped in, so a bad value leaves no half-read section table.
    TsGeneralDataArray sections;
    const std::vector<std::string> names = ini->Sections();
    sections.reserve(names.size());
    for (const std::string& name : names)
        sections.push_back(ReadFolderSection(*ini, name, &Notices));
    SkinGeneralData = std::move(sections);
}

const std::vector<std::string>& SkinFolderNotices() {
    return Notices;
}

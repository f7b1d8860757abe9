// Skin folders from outside: the input is Options.dat and, after each "\n--\n",
// the bytes of one picture, written as Master.bmp, a.bmp, b.jpg and c.jpg into
// a scratch folder. Loading either succeeds or raises ESkinFolderError (or the
// conversion error of a section value); the skin arrays stay consistent.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "skin/SkinState.h"
#include "skin/folder/ESkinFolderError.h"
#include "skin/folder/SkinFolderFiles.h"
#include "skin/folder/SkinFolderPictures.h"
#include "skin/folder/SkinFolderSections.h"

namespace {

const char* const PictureNames[] = {"Master.bmp", "a.bmp", "b.jpg", "c.jpg"};

const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fuzz-skin-XXXXXX").string();
        return std::string(mkdtemp(pattern.data())) + "/";
    }();
    return folder;
}

void WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream(Folder() + name, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string parts[5];
    size_t at = 0;
    for (int i = 0; i < 5; ++i) {
        const size_t end = i < 4 ? std::min(input.find("\n--\n", at), input.size()) : input.size();
        parts[i] = at <= input.size() ? input.substr(at, end - at) : std::string();
        at = end + 4;
    }
    for (int i = 0; i < 4; ++i)
        WriteFile(PictureNames[i], parts[i + 1]);
    TsMemIniFile ini;
    ini.SetText(parts[0]);
    try {
        LoadFolderMasks(ini, Folder());
        LoadFolderPatterns(ini, Folder());
        std::vector<std::string> notices;
        for (const std::string& section : ini.Sections())
            SkinGeneralData.push_back(ReadFolderSection(ini, section, &notices));
    } catch (const ESkinFolderError&) {
    }
    for (const TsMaskData& m : SkinMasks)
        if (m.Bmp && m.Bmp->Width() < 1) __builtin_trap();
    ClearSkinMasks();
    ClearSkinPatterns();
    ClearSkinSections();
    return 0;
}

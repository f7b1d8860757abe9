// skinsheet [--dfm DEFINITION | --dir SKINFOLDER] OUT.png
// Writes the skin sheet of the stored skin in a form definition, by default
// the launcher's main window, or of a skin folder.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/PngFile.h"
#include "tools/SkinSheetRender.h"
#include "tools/SkinSheetSource.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: skinsheet [--dfm DEFINITION | --dir SKINFOLDER] OUT.png\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string definition = std::string(QUELM_SOURCE_DIR) + "/launcher/Unit1.dfm";
    std::string folder;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--dfm" && i + 1 < argc)
            definition = argv[++i];
        else if (arg == "--dir" && i + 1 < argc)
            folder = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && out.empty())
            out = arg;
        else
            return Usage();
    }
    if (out.empty()) return Usage();
    try {
        std::vector<std::string> notices;
        const std::string name =
            folder.empty() ? LoadStoredSkinFromFile(definition) : LoadSkinFolder(folder, &notices);
        for (const std::string& n : notices)
            std::fprintf(stderr, "skinsheet: %s\n", n.c_str());
        const TSkinSheet sheet = RenderSkinSheet(name);
        const std::filesystem::path parent = std::filesystem::path(out).parent_path();
        if (!parent.empty()) std::filesystem::create_directories(parent);
        WritePng(out, sheet.Picture->Pixels());
        std::printf("%s: %d x %d, skin \"%s\" from %s\n", out.c_str(), sheet.Picture->Width(),
                    sheet.Picture->Height(), name.c_str(),
                    folder.empty() ? definition.c_str() : folder.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinsheet: %s\n", e.what());
        return 1;
    }
}

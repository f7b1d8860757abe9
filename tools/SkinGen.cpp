// skingen: draws the launcher's own stored skin and writes it into the main
// window's definition, replacing the skin manager's block; then writes the
// dark skin made from it as a skin folder.
//
//   skingen [DEFINITION] [--dark FOLDER] [--master FILE.png]
//   skingen --icons FOLDER
//
// DEFINITION defaults to launcher/Unit1.dfm of the source tree, FOLDER to
// skins/<the dark skin's name>. With --master, the master bitmap is also
// written as a PNG, four times enlarged. --icons draws only the program's
// icon, at every size, into an icon theme's folders below FOLDER (the build
// does this for the install).
// The output depends on nothing but this program, so every run writes the
// same bytes.

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>

#include "platform/PngFile.h"
#include "platform/services/ReadWholeFile.h"
#include "tools/SkinArtIcon.h"
#include "tools/SkinGenDefinition.h"
#include "tools/SkinGenFolder.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::optional<std::string> text = ReadWholeFile(path);
    if (!text) throw std::runtime_error("Cannot read " + path);
    return std::move(*text);
}

// Through a temporary file and a rename, so a failed run leaves the old file.
void WriteFile(const std::string& path, const std::string& text) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(text.data(), std::streamsize(text.size())) || !out.flush())
            throw std::runtime_error("Cannot write " + temp);
    }
    std::filesystem::rename(temp, path);
}

TPixels Enlarged(const TPixels& p, int k) {
    TPixels out(p.Width() * k, p.Height() * k);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            out.SetPixel(x, y, p.Pixel(x / k, y / k));
    return out;
}

int WriteIcons(const char* folder) {
    try {
        WriteLauncherIcons(folder);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string definition = QUELM_SOURCE_DIR "/launcher/Unit1.dfm";
    std::string masterPng;
    std::string darkFolder = std::string(QUELM_SOURCE_DIR "/skins/") + DarkSkinName;
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) return WriteIcons(argv[2]);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--master") == 0 && i + 1 < argc)
            masterPng = argv[++i];
        else if (std::strcmp(argv[i], "--dark") == 0 && i + 1 < argc)
            darkFolder = argv[++i];
        else if (argv[i][0] != '-')
            definition = argv[i];
        else {
            std::fprintf(stderr, "usage: skingen [DEFINITION] [--dark FOLDER] [--master FILE.png]\n"
                                 "       skingen --icons FOLDER\n");
            return 2;
        }
    }
    try {
        TPaletteResult palette;
        const auto skins = BuildLauncherSkins(&palette);
        const std::string text = WithSkinManager(ReadFile(definition), SkinManagerBlock(*skins));
        WriteFile(definition, text);
        WriteSkinFolder(darkFolder, BuildDarkSkinFolder(*skins->Items(0)));
        if (!masterPng.empty())
            WritePng(masterPng, Enlarged(skins->Items(0)->MasterBitmap()->Bitmap().Pixels(), 4));
        std::printf("skingen: %s: master bitmap drawn in %d colours, stored in %d, largest "
                    "channel change %d\n",
                    definition.c_str(), palette.SourceColors, palette.Colors, palette.MaxError);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}

#include "tools/SkinGenFolder.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "platform/BmpDecoder.h"
#include "platform/JpegEncoder.h"
#include "skin/SkinState.h"
#include "skin/stored/TsSkinGeneral.h"
#include "skin/stored/TsStoredSkin.h"
#include "tools/SkinArtDark.h"
#include "tools/SkinArtPalette.h"

const char* const DarkSkinName = "Nightfall";

namespace {

const char* const MasterFile = "Master.bmp";
const char* const WindowPatternFile = "Window.jpg";
const char* const PanelPatternFile = "Panel.jpg";
constexpr int WindowPatternSide = 320; // large enough to stay a pattern
constexpr int PanelPatternSide = 96;   // small: the skin keeps it as a mask
constexpr int JpegQuality = 88;

std::string Bytes(const std::vector<uint8_t>& v) {
    return std::string(v.begin(), v.end());
}

// Masks kept in files of their own: whole alpha masks of three states whose
// nine-part grid divides evenly, which an own bitmap describes exactly.
bool KeptInOwnFile(const TsSkinImage& m) {
    const int w = m.Right - m.Left, h = m.Bottom - m.Top;
    return m.ImageCount == 3 && m.MaskType == 1 && m.BorderWidth == 0 && w % 9 == 0 && h % 6 == 0;
}

std::string OwnFileName(const TsSkinImage& m) {
    std::string name = m.SectionName + "_" + m.PropertyName + ".bmp";
    for (char& c : name)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return name;
}

TPixels Cut(const TPixels& from, int left, int top, int width, int height) {
    TPixels out(width, height);
    for (int y = 0; y < height; ++y)
        std::copy_n(from.ScanLine(top + y) + left * 3, width * 3, out.ScanLine(y));
    return out;
}

std::string MaskRect(const TsSkinImage& m) {
    return "#(" + std::to_string(m.Left) + "," + std::to_string(m.Top) + "," +
           std::to_string(m.Right) + "," + std::to_string(m.Bottom) + ")(" +
           std::to_string(m.ImageCount) + "," + std::to_string(m.MaskType) + "," +
           std::to_string(m.BorderWidth) + ")";
}

using TKeys = std::vector<std::pair<std::string, std::string>>;

void AddFieldKeys(const TsSkinGeneral& g, TKeys& keys) {
    using namespace SectionField;
    ForEachSectionField([&](const auto& f) {
        using F = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<F, TTextColors>) {
            TColor colors[5];
            SplitFontColors(g.*f.Stored, colors);
            for (int i = 0; i < 5; ++i)
                keys.emplace_back(UpperSkinName(f.Keys[i]), std::to_string(colors[i]));
        } else if constexpr (std::is_same_v<F, TGradient>) {
            // A lone blank cannot be written (values are trimmed); it reads back as empty.
            keys.emplace_back(UpperSkinName(f.Name), g.*f.Stored == " " ? "" : g.*f.Stored);
        } else if constexpr (!std::is_same_v<F, TStoredOnly>) {
            if (f.Key == NoKey) return;
            const auto& v = g.*f.Stored;
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, bool>)
                keys.emplace_back(UpperSkinName(f.Name), v ? "TRUE" : "FALSE");
            else if constexpr (!std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                keys.emplace_back(UpperSkinName(f.Name), std::to_string(static_cast<int>(v)));
        }
    });
}

class TFolderBuilder {
public:
    explicit TFolderBuilder(const TsStoredSkin& light)
        : FMaster(light.MasterBitmap()->Bitmap().Pixels()) {
        DarkenMaster(FMaster, light);
        // The alpha rows kept their greys, which the pictures now use too.
        ReduceToPalette(FMaster);
    }
    void AddSections(const TsStoredSkin& dark);
    void AddMasks(const TsStoredSkin& dark);
    std::vector<TSkinFolderFile> Finish(const TsStoredSkin& dark);

private:
    std::vector<std::string> FOrder; // section names in file order
    std::map<std::string, TKeys> FKeys;
    std::vector<TSkinFolderFile> FPictures;
    TPixels FMaster;

    TKeys& Section(const std::string& name) {
        if (!FKeys.count(name)) FOrder.push_back(name);
        return FKeys[name];
    }
};

void TFolderBuilder::AddSections(const TsStoredSkin& dark) {
    TKeys& global = Section("GLOBALINFO");
    global = {{"VERSION", "1.0"},
              {"AUTHOR", "Quelm launcher"},
              {"DESCRIPTION", "A dark skin drawn by the launcher's skin generator"},
              {"MASTERBITMAP", MasterFile}};
    for (const auto& g : *dark.GeneralData()) {
        TKeys& keys = Section(g->SectionName);
        if (!g->ParentClass.empty()) keys.emplace_back("PARENTCLASS", g->ParentClass);
        AddFieldKeys(*g, keys);
    }
}

void TFolderBuilder::AddMasks(const TsStoredSkin& dark) {
    for (const auto& m : *dark.Images()) {
        if (m->PropertyName == "MASTERBITMAP") continue;
        TKeys& keys = Section(m->SectionName);
        if (KeptInOwnFile(*m)) {
            const TPixels own =
                Cut(FMaster, m->Left, m->Top, m->Right - m->Left, m->Bottom - m->Top);
            FPictures.push_back({OwnFileName(*m), Bytes(EncodeBmp8(own))});
            keys.emplace_back(m->PropertyName, OwnFileName(*m));
        } else {
            keys.emplace_back(m->PropertyName, MaskRect(*m));
        }
    }
    Section("FORM").emplace_back("PATTERN", WindowPatternFile);
    Section("PANEL").emplace_back("PATTERN", PanelPatternFile);
}

std::vector<TSkinFolderFile> TFolderBuilder::Finish(const TsStoredSkin& dark) {
    std::string text = "; " + std::string(DarkSkinName) +
                       ": written by the launcher's skin generator (make skin); edits are lost.\n";
    for (const std::string& name : FOrder) {
        text += "\n[" + name + "]\n";
        for (const auto& [key, value] : FKeys[name])
            text += key + "=" + value + "\n";
    }
    std::vector<TSkinFolderFile> files{{"Options.dat", text},
                                       {MasterFile, Bytes(EncodeBmp8(FMaster))}};
    auto color = [&](const char* section) {
        for (const auto& g : *dark.GeneralData())
            if (g->SectionName == section) return g->Color;
        throw std::logic_error(std::string("The skin has no section ") + section);
    };
    files.push_back(
        {WindowPatternFile, Bytes(EncodeJpeg(GrainTexture(WindowPatternSide, WindowPatternSide,
                                                          color("FORM"), 5, 0x5EED0001),
                                             {JpegQuality, false}))});
    files.push_back(
        {PanelPatternFile, Bytes(EncodeJpeg(GrainTexture(PanelPatternSide, PanelPatternSide,
                                                         color("PANEL"), 8, 0x5EED0002),
                                            {JpegQuality, true}))});
    files.insert(files.end(), FPictures.begin(), FPictures.end());
    return files;
}

// The window and the panels get their grain through patterns.
void AddPatterns(TsStoredSkin& dark) {
    for (const auto& g : *dark.GeneralData()) {
        if (g->SectionName == "FORM") {
            g->ImagePercent = 100;
            g->GradientPercent = 0;
        } else if (g->SectionName == "PANEL") {
            g->ImagePercent = 40;
            g->GradientPercent = 0;
        }
    }
}

} // namespace

std::unique_ptr<TsStoredSkin> BuildDarkSkin(const TsStoredSkin& light) {
    auto dark = std::make_unique<TsStoredSkin>();
    dark->Assign(light);
    dark->Name = DarkSkinName;
    for (const auto& g : *dark->GeneralData())
        DarkenSection(*g);
    AddPatterns(*dark);
    return dark;
}

std::vector<TSkinFolderFile> BuildDarkSkinFolder(const TsStoredSkin& light) {
    const std::unique_ptr<TsStoredSkin> dark = BuildDarkSkin(light);
    TFolderBuilder builder(light);
    builder.AddSections(*dark);
    builder.AddMasks(*dark);
    return builder.Finish(*dark);
}

void WriteSkinFolder(const std::string& folder, const std::vector<TSkinFolderFile>& files) {
    std::filesystem::create_directories(folder);
    for (const TSkinFolderFile& f : files) {
        const std::string path = folder + "/" + f.Name, temp = path + ".tmp";
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            if (!out || !out.write(f.Bytes.data(), std::streamsize(f.Bytes.size())) || !out.flush())
                throw std::runtime_error("Cannot write " + temp);
        }
        std::filesystem::rename(temp, path);
    }
}

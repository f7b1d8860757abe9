#include "tools/SkinGenDefinition.h"

#include <stdexcept>

#include "skin/stored/StoredSkinWriter.h"
#include "tools/SkinGenSections.h"

const char* const LauncherSkinName = "Office12Style (internal)";
// Skin folders are installed in share/quelm-launcher/skins, and the build lays
// them out the same way, so the path from the program's folder holds for both.
const char* const LauncherSkinDirectory = "../share/quelm-launcher/skins";

namespace {

const char* const MasterFileName = "MASTER.BMP";
const char* const BlockStart = "  object sSkinManager1: TsSkinManager";

void AddImage(TsStoredSkin& skin, const TMaskItem& m) {
    TsSkinImage& image = *skin.Images()->Add();
    image.SectionName = m.Section;
    image.Name = MasterFileName;
    image.PropertyName = m.Property;
    image.Left = m.R.Left;
    image.Top = m.R.Top;
    image.Right = m.R.Right;
    image.Bottom = m.R.Bottom;
    image.ImageCount = static_cast<int16_t>(m.ImageCount);
    image.MaskType = static_cast<int16_t>(m.MaskType);
    image.BorderWidth = static_cast<int16_t>(m.BorderWidth);
}

// Start of each line of Text, with the line's text without its ending.
struct TLine {
    size_t Start;
    std::string Text;
};
std::vector<TLine> Lines(const std::string& text) {
    std::vector<TLine> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back({at, line});
        at = end + 1;
    }
    return lines;
}

} // namespace

std::unique_ptr<TsStoredSkins> BuildLauncherSkins(TPaletteResult* report) {
    const TSkinArt art = DrawSkinArt();
    if (report) *report = art.Palette;
    auto skins = std::make_unique<TsStoredSkins>();
    TsStoredSkin& skin = *skins->Add();
    skin.Name = LauncherSkinName;
    AddSkinSections(skin);
    TsSkinImage& master = *skin.Images()->Add();
    master.SectionName = "GLOBALINFO";
    master.Name = MasterFileName;
    master.PropertyName = "MASTERBITMAP";
    master.Image()->Bitmap().Pixels() = art.Master;
    for (const TMaskItem& m : art.Items)
        AddImage(skin, m);
    skin.MasterBitmap()->Bitmap().Pixels() = art.Master;
    return skins;
}

std::string SkinManagerBlock(const TsStoredSkins& skins) {
    return std::string(BlockStart) + "\n" + WriteInternalSkins(skins, "    ") +
           "    SkinDirectory = '" + LauncherSkinDirectory + "'\n    SkinName = '" +
           LauncherSkinName + "'\n    SkinnedPopups = False\n  end\n";
}

std::string WithSkinManager(const std::string& definition, const std::string& block) {
    const std::vector<TLine> lines = Lines(definition);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Text != BlockStart) continue;
        for (size_t j = i + 1; j < lines.size(); ++j)
            if (lines[j].Text == "  end") {
                const size_t after = j + 1 < lines.size() ? lines[j + 1].Start : definition.size();
                return definition.substr(0, lines[i].Start) + block + definition.substr(after);
            }
        throw std::runtime_error("The sSkinManager1 block of the definition has no end line");
    }
    for (size_t i = lines.size(); i-- > 0;) {
        if (lines[i].Text.empty()) continue;
        if (lines[i].Text != "end") break;
        return definition.substr(0, lines[i].Start) + block + definition.substr(lines[i].Start);
    }
    throw std::runtime_error("The definition does not end with the end of its root object");
}

#include "graphics/TFontEngine.h"

#include <cctype>
#include <strings.h>

#include <fontconfig/fontconfig.h>

namespace {

constexpr const char* WindowsFontFolder = "/usr/share/wine/fonts";
// Where fontconfig keeps its caches: the system's, then the user's.
constexpr const char* OwnCacheDirs =
    "<cachedir>/var/cache/fontconfig</cachedir><cachedir prefix=\"xdg\">fontconfig</cachedir>"
    "<cachedir>~/.fontconfig</cachedir>";
// The folders where the system and the user install fonts, as the system's
// configuration names them.
constexpr const char* FontFolders = "<dir>/usr/share/fonts</dir><dir>/usr/local/share/fonts</dir>"
                                    "<dir prefix=\"xdg\">fonts</dir><dir>~/.fonts</dir>";

// Names that programs ask for and that mean the dialog font.
constexpr const char* TahomaAliases[] = {"MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2",
                                         "Microsoft Sans Serif"};
constexpr const char* Fallbacks[] = {"Liberation Sans", "DejaVu Sans"};

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The family to look for: the dialog aliases mean Tahoma.
std::string AskedFamily(const std::string& family) {
    for (const char* alias : TahomaAliases)
        if (strcasecmp(alias, family.c_str()) == 0) return "Tahoma";
    return family;
}

} // namespace

// Fontconfig loses a block while it parses its configuration; that is not
// ours to free, so the leak checker of sanitized builds is told to let it be.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

TFontEngine& TFontEngine::Instance() {
    // Never destroyed, so no cache outlives the FreeType library at exit.
    static TFontEngine* engine = new TFontEngine;
    return *engine;
}

// The faces the launcher's windows use are found in a configuration of our
// own that knows only the Windows core fonts' folder (and reads fontconfig's
// caches of it): a fraction of a millisecond, where reading the system's
// whole configuration and every font cache takes several. A family the
// folder does not have is looked for in the installed fonts' folders, and
// only a family in none of them makes the system's configuration be read.
TFontEngine::TFontEngine() {
    FOwnConfig = FolderConfig(std::string("<dir>") + WindowsFontFolder + "</dir>");
}

// A configuration that knows font folders and fontconfig's caches of them,
// and none of the system's rules; null if fontconfig cannot make it.
FcConfig* TFontEngine::FolderConfig(const std::string& folders) {
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    const std::string xml =
        "<?xml version=\"1.0\"?><fontconfig>" + folders + OwnCacheDirs + "</fontconfig>";
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.c_str()),
                                        FcFalse) ||
        !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

// Web pages name families the Windows folder lacks ("Times New Roman", and
// the aliases tried for it). Whether one is installed is a question of the
// font folders alone: their caches answer it in about a millisecond, where
// the system's configuration, with its dozens of rule files, takes several.
FcConfig* TFontEngine::InstalledConfig() {
    if (!FInstalledRead) {
        FInstalledRead = true;
        FInstalledConfig = FolderConfig(FontFolders);
    }
    return FInstalledConfig;
}

bool TFontEngine::IsInstalled(const std::string& family) {
    auto it = FInstalled.find(Lower(family));
    if (it != FInstalled.end()) return it->second;
    const std::string asked = AskedFamily(family);
    TFontMatch match;
    const bool installed =
        (FOwnConfig && MatchIn(FOwnConfig, asked, 0, match) && !match.Substituted) ||
        (InstalledConfig() && MatchIn(InstalledConfig(), asked, 0, match) && !match.Substituted);
    FInstalled.emplace(Lower(family), installed);
    return installed;
}

FcConfig* TFontEngine::SystemConfig() {
    if (!FSystemRead) {
        FSystemRead = true;
        if (FcInit())
            FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(WindowsFontFolder));
    }
    return nullptr; // fontconfig's current configuration
}

bool TFontEngine::MatchFamily(const std::string& family, TFontStyles style, TFontMatch& out) {
    if (FOwnConfig && MatchIn(FOwnConfig, family, style, out) && !out.Substituted) return true;
    // Then the installed fonts' folders, as IsInstalled looks: a family found
    // there needs none of the system's rules, and resolves as IsInstalled said.
    if (InstalledConfig() && MatchIn(InstalledConfig(), family, style, out) && !out.Substituted)
        return true;
    return MatchIn(SystemConfig(), family, style, out);
}

bool TFontEngine::MatchIn(FcConfig* config, const std::string& family, TFontStyles style,
                          TFontMatch& out) {
    out = TFontMatch{};
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, (style & fsBold) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, (style & fsItalic) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found) return false;

    bool sameFamily = false;
    FcChar8* value = nullptr;
    std::string firstFamily;
    for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        const char* name = reinterpret_cast<const char*>(value);
        if (i == 0) firstFamily = name;
        if (strcasecmp(name, family.c_str()) == 0) sameFamily = true;
    }
    out.Family = sameFamily ? family : firstFamily;
    out.Substituted = !sameFamily;
    if (FcPatternGetString(found, FC_FILE, 0, &value) == FcResultMatch)
        out.File = reinterpret_cast<const char*>(value);
    int number = 0;
    out.Index = FcPatternGetInteger(found, FC_INDEX, 0, &number) == FcResultMatch ? number : 0;
    FcPatternDestroy(found);
    return !out.File.empty();
}

TFontMatch TFontEngine::Resolve(const std::string& family, TFontStyles style) {
    std::string key =
        Lower(family) + ((style & fsBold) ? "|b" : "|") + ((style & fsItalic) ? "i" : "");
    auto it = FMatches.find(key);
    if (it != FMatches.end()) return it->second;

    const std::string asked = AskedFamily(family);
    TFontMatch match;
    bool found = MatchFamily(asked, style, match);
    if (!found || match.Substituted) {
        TFontMatch fallback;
        for (const char* name : Fallbacks)
            if (MatchFamily(name, style, fallback) && !fallback.Substituted) {
                match = fallback;
                found = true;
                break;
            }
        match.Substituted = true;
    }
    if (!found) match = TFontMatch{{}, 0, family, true};
    FMatches[key] = match;
    return match;
}

TGlyphCache& TFontEngine::DeviceCache(const TFont& font, int scale) {
    TGlyphCache& layout = Cache(font);
    const TFontStyles style = font.Style() & (fsBold | fsItalic);
    const std::string name = Lower(font.Name()) + "|" + std::to_string(font.Height()) + "|" +
                             std::to_string(style) + "|x" + std::to_string(scale);
    auto& cache = FDeviceCaches[name];
    if (cache) return *cache;
    cache = std::make_unique<TGlyphCache>(layout.Match(), font.Height() * scale, style);
    // A bold face can be bold only in its bitmap strikes, with outlines of
    // nearly regular weight (the Tahoma that Wine ships is one). Text drawn
    // from the outlines would then lose its weight on a scaled screen; such
    // outlines are made bolder when they carry clearly less ink than the
    // strike enlarged.
    constexpr char32_t probe = U'H';
    constexpr long kPercentEnough = 80;
    if ((style & fsBold) && layout.UsesBitmapStrike() && !cache->UsesBitmapStrike() &&
        !cache->SyntheticBold() &&
        cache->Ink(probe) * 100 < layout.Ink(probe) * scale * scale * kPercentEnough)
        cache->Embolden();
    return *cache;
}

TGlyphCache& TFontEngine::Cache(const std::string& family, int height, TFontStyles style) {
    style &= fsBold | fsItalic;
    std::string size = "|";
    size += std::to_string(height);
    size += '|';
    size += std::to_string(style);
    const std::string name = Lower(family) + size;
    if (auto it = FByName.find(name); it != FByName.end()) return *it->second;
    const TFontMatch match = Resolve(family, style);
    std::string file = match.File;
    file += '|';
    file += std::to_string(match.Index);
    file += match.Substituted ? "|s" : "|";
    file += size;
    auto& cache = FCaches[file];
    if (!cache) cache = std::make_unique<TGlyphCache>(match, height, style);
    FByName.emplace(name, cache.get());
    return *cache;
}

#pragma once
// Finding font files (fontconfig) and rendering glyphs (FreeType).
//
// TFontEngine resolves a family name and style to a file, first among the
// Windows core fonts that Debian's Wine ships (a small configuration of our
// own, so that "Tahoma" is the real Tahoma and is found quickly), then in
// the installed fonts' folders (read when first needed, without the system's
// rules), then through the system's configuration; "MS Sans Serif" and the
// dialog aliases map to Tahoma.
// When fontconfig answers with another family (silent substitution), the
// engine falls back to Liberation Sans, then DejaVu Sans, and says so.
// Caches are made once per font file, height and style and live as long as
// the program; every name that resolves to the same file shares one, so
// texts that name many unknown faces do not load the fallback font again
// for each.

#include <map>
#include <memory>
#include <string>

#include "graphics/TFont.h"
#include "graphics/TGlyphCache.h"

// fontconfig's configuration, as its header declares it.
typedef struct _FcConfig FcConfig;

class TFontEngine {
public:
    static TFontEngine& Instance();

    TFontMatch Resolve(const std::string& family, TFontStyles style);
    // Whether a face of the family lies in the Windows fonts' folder or in
    // the folders where the system and the user install fonts (fontconfig's
    // substitution rules play no part). Answered without reading the system's
    // configuration; a family found so is then resolved the same way.
    bool IsInstalled(const std::string& family);
    // The glyphs of a font at its height; kept for the life of the program.
    TGlyphCache& Cache(const std::string& family, int height, TFontStyles style);
    TGlyphCache& Cache(const TFont& font) {
        return Cache(font.Name(), font.Height(), font.Style());
    }
    // The glyphs that draw text laid out with Cache(font) on a bitmap of a
    // device scale: the same face at the height times the scale. Only for
    // drawing; their advances are not the layout's.
    TGlyphCache& DeviceCache(const TFont& font, int scale);

private:
    TFontEngine();
    bool MatchFamily(const std::string& family, TFontStyles style, TFontMatch& out);
    bool MatchIn(FcConfig* config, const std::string& family, TFontStyles style, TFontMatch& out);
    // Reads the system's configuration on first use; null stands for it.
    FcConfig* SystemConfig();
    static FcConfig* FolderConfig(const std::string& folders);
    // The installed fonts' folders, read on first use; null if unreadable.
    FcConfig* InstalledConfig();

    FcConfig* FOwnConfig = nullptr;
    FcConfig* FInstalledConfig = nullptr;
    bool FInstalledRead = false;
    bool FSystemRead = false;
    std::map<std::string, bool> FInstalled; // by lower-case family

    std::map<std::string, TFontMatch> FMatches;
    std::map<std::string, TGlyphCache*> FByName;
    std::map<std::string, std::unique_ptr<TGlyphCache>> FCaches;       // by file
    std::map<std::string, std::unique_ptr<TGlyphCache>> FDeviceCaches; // by name and scale
};

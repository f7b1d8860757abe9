#include "launcher/StartupWork.h"

#include <cstring>
#include <exception>
#include <iterator>
#include <memory>
#include <vector>

#include "framework/component/TFormParser.h"
#include "framework/component/TFormReader.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TFontEngine.h"
#include "platform/services/ReadOnlyPages.h"
#include "skin/stored/TsStoredPicture.h"

extern const char Unit1Definition[];
extern const char Unit2Definition[];
extern const char Unit3Definition[];

namespace {

// The faces the three windows and their frames draw with: the definitions'
// dialog font, and its bold for the window titles.
constexpr const char* LauncherFontName = "Tahoma";
constexpr int LauncherFontHeight = -11;
constexpr TFontStyles LauncherFontStyles[] = {0, fsBold};
constexpr const char* MainDefinitionFile = "Unit1.dfm";

struct TDefinitionText {
    const char* File;
    const char* Text;
};
// The main window's first: its stored skin is the most work.
constexpr TDefinitionText Definitions[] = {{MainDefinitionFile, Unit1Definition},
                                           {"Unit2.dfm", Unit2Definition},
                                           {"Unit3.dfm", Unit3Definition}};

// Written by Run, read when each window is made.
std::unique_ptr<TObjectDefinition> Parsed[std::size(Definitions)];
std::vector<TPredecodedBitmap> MainPictures;

void PredecodeValue(const TValue& v);

void PredecodeProps(const std::vector<TPropertyAssignment>& props) {
    for (const TPropertyAssignment& a : props)
        PredecodeValue(a.Value);
}

// The stored skin's bitmaps are the binary values of the definition; a value
// that is no bitmap is left for the reader.
void PredecodeValue(const TValue& v) {
    if (v.Kind == TValueKind::vkBinary) {
        PredecodeBitmap(v.Bytes, MainPictures);
    }
    for (const auto& item : v.CollectionItems)
        PredecodeProps(item);
}

void PredecodeObject(const TObjectDefinition& def) {
    PredecodeProps(def.Props);
    for (const TObjectDefinition& child : def.Children)
        PredecodeObject(child);
}

} // namespace

void TStartupWork::Run() {
    // Reading the font configuration and opening the faces is the largest
    // part of start-up that needs no display; the engine keeps what it finds.
    for (const TFontStyles style : LauncherFontStyles)
        TFontEngine::Instance().Cache(LauncherFontName, LauncherFontHeight, style);
    for (size_t i = 0; i < std::size(Definitions); ++i) {
        try {
            Parsed[i] = std::make_unique<TObjectDefinition>(
                TFormParser::Parse(Definitions[i].Text, Definitions[i].File));
            if (i > 0) continue;
            PredecodeObject(*Parsed[i]);
            // The text (the stored skin's pictures in hex make most of it) is
            // not read again once parsed: its pages need not stay in memory.
            ForgetReadOnlyPages(Definitions[i].Text, std::strlen(Definitions[i].Text));
        } catch (const std::exception&) {
            Parsed[i].reset();
            if (i == 0) MainPictures.clear();
        }
    }
}

bool TStartupWork::ReadParsedDefinition(TComponent* form, const std::string& file) {
    for (size_t i = 0; i < std::size(Definitions); ++i) {
        if (file != Definitions[i].File || !Parsed[i]) continue;
        const std::unique_ptr<TObjectDefinition> tree = std::move(Parsed[i]);
        // The decoded pictures point into the main window's tree: withdrawn
        // once it is read, or when reading it fails.
        struct TWithdrawPictures {
            ~TWithdrawPictures() { OfferPredecodedBitmaps({}); }
        } withdraw;
        if (i == 0) OfferPredecodedBitmaps(std::move(MainPictures));
        TFormReader(form, file).Read(std::move(*tree));
        return true;
    }
    return false;
}

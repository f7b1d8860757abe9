#include "launcher/StartupWork.h"

#include <cstring>
#include <exception>

#include "framework/component/TFormParser.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TFontEngine.h"
#include "platform/services/ReadOnlyPages.h"
#include "skin/stored/TsStoredPicture.h"

extern const char Unit1Definition[];

namespace {

// The faces the three windows and their frames draw with: the definitions'
// dialog font, and its bold for the window titles.
constexpr const char* LauncherFontName = "Tahoma";
constexpr int LauncherFontHeight = -11;
constexpr TFontStyles LauncherFontStyles[] = {0, fsBold};
constexpr const char* MainDefinitionFile = "Unit1.dfm";

// Written by the worker, read after the join.
std::unique_ptr<TObjectDefinition> MainDefinition;
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

TStartupWork::TStartupWork() : FWorker(&TStartupWork::Run) {}

TStartupWork::~TStartupWork() {
    Join();
}

void TStartupWork::Join() {
    if (FWorker.joinable()) FWorker.join();
}

void TStartupWork::Run() {
    // Reading the font configuration and opening the faces is the largest
    // part of start-up that needs no display; the engine keeps what it finds.
    for (const TFontStyles style : LauncherFontStyles)
        TFontEngine::Instance().Cache(LauncherFontName, LauncherFontHeight, style);
    try {
        MainDefinition = std::make_unique<TObjectDefinition>(
            TFormParser::Parse(Unit1Definition, MainDefinitionFile));
        PredecodeObject(*MainDefinition);
        // The text (the stored skin's pictures in hex make most of it) is
        // not read again once parsed: its pages need not stay in memory.
        ForgetReadOnlyPages(Unit1Definition, std::strlen(Unit1Definition));
    } catch (const std::exception&) {
        MainDefinition.reset();
        MainPictures.clear();
    }
}

std::unique_ptr<TObjectDefinition> TStartupWork::TakeMainDefinition() {
    return std::move(MainDefinition);
}

std::vector<TPredecodedBitmap> TStartupWork::TakeMainPictures() {
    return std::move(MainPictures);
}

#include "launcher/StartupWork.h"

#include <exception>

#include "framework/component/TFormParser.h"
#include "framework/graphics/TFont.h"
#include "framework/graphics/TFontEngine.h"

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
    } catch (const std::exception&) {
        MainDefinition.reset();
    }
}

std::unique_ptr<TObjectDefinition> TStartupWork::TakeMainDefinition() {
    return std::move(MainDefinition);
}

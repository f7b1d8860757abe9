#include "platform/services/SettingsLocation.h"

#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

#include "platform/services/FindWine.h"
#include "platform/services/PeMachine.h"
#include "platform/services/TStoreFileBackend.h"
#include "platform/services/TWinePrefixBackend.h"

namespace {

constexpr const char* kStoreTail = "/quelm-launcher/registry.reg";

std::mutex gLock;
std::string gStoreOverride;
std::optional<TSettingsLocation> gChosen;

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string HomeFolder() {
    if (std::string home = Env("HOME"); !home.empty()) return home;
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "/tmp";
}

TSettingsLocation StoreFile(std::string because) {
    return {TSettingsKind::skStoreFile, RegistryStorePath(), std::move(because)};
}

} // namespace

void SetRegistryStorePath(std::string path) {
    const std::lock_guard<std::mutex> guard(gLock);
    gStoreOverride = std::move(path);
}

std::string RegistryStorePath() {
    {
        const std::lock_guard<std::mutex> guard(gLock);
        if (!gStoreOverride.empty()) return gStoreOverride;
    }
    if (std::string p = Env("QUELM_REGISTRY"); !p.empty()) return p;
    if (std::string xdg = Env("XDG_CONFIG_HOME"); xdg.starts_with('/')) return xdg + kStoreTail;
    return HomeFolder() + "/.config" + kStoreTail;
}

std::string WinePrefixPath() {
    if (std::string prefix = Env("WINEPREFIX"); !prefix.empty()) return prefix;
    return HomeFolder() + "/.wine";
}

TSettingsLocation ChooseSettingsLocation(const std::string& gameProgram) {
    if (!Env("QUELM_REGISTRY").empty()) return StoreFile("QUELM_REGISTRY names it");
    const TPeMachine machine = ReadPeMachine(gameProgram);
    if (machine == TPeMachine::pmNone)
        return StoreFile(gameProgram + " is not a Windows program here (or is missing)");
    const std::string wine = FindWine();
    if (wine.empty())
        return StoreFile(gameProgram + " is a Windows program but Wine was not found");
    return {TSettingsKind::skWinePrefix, WinePrefixPath(),
            gameProgram + " is a Windows program (" + std::string(PeMachineName(machine)) +
                ") that runs under Wine (" + wine + "), and reads its settings there"};
}

void UseSettingsLocation(std::optional<TSettingsLocation> location) {
    const std::lock_guard<std::mutex> guard(gLock);
    gChosen = std::move(location);
}

TSettingsLocation CurrentSettingsLocation() {
    std::optional<TSettingsLocation> chosen;
    {
        const std::lock_guard<std::mutex> guard(gLock);
        if (!gStoreOverride.empty()) return {TSettingsKind::skStoreFile, gStoreOverride, "set"};
        chosen = gChosen;
    }
    return chosen ? *chosen : StoreFile("no other store was chosen");
}

std::string DescribeSettingsLocation(const TSettingsLocation& location) {
    if (location.Kind == TSettingsKind::skStoreFile)
        return "The game's settings are kept in the store file " + location.Path + "\nbecause " +
               location.Because + ".\n";
    const TWinePrefixBackend prefix(location.Path);
    std::string text = "The game's settings are kept in the Wine prefix " + location.Path + " (" +
                       prefix.UserRegPath() + ")\nbecause " + location.Because + ".\n";
    if (!prefix.WritesThroughWine()) return text + "Apply writes them into user.reg directly.\n";
    return text + prefix.WhyNotWritable() + "\nApply writes them through Wine (wine reg import).\n";
}

std::unique_ptr<TRegistryBackend> OpenRegistryBackend() {
    const TSettingsLocation location = CurrentSettingsLocation();
    if (location.Kind == TSettingsKind::skWinePrefix)
        return std::make_unique<TWinePrefixBackend>(location.Path);
    return std::make_unique<TStoreFileBackend>(location.Path);
}

#include "platform/sdl/TComposeCache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/services/ChildEnvironment.h"

namespace {

constexpr const char* CacheVariable = "XCOMPOSECACHE";
constexpr const char* Subfolder = "quelm-launcher/compose";
// Xlib takes a cache folder only when no one else may write to it.
constexpr mode_t PrivateFolder = 0700;

// The folder as Xlib wants it: ours, and no one else's to write to. Made
// when missing; one that is there is only looked at, so a start writes nothing.
bool PrivateFolderReady(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        std::error_code ec;
        std::filesystem::create_directories(path, ec);
        if (ec || chmod(path.c_str(), PrivateFolder) != 0 || stat(path.c_str(), &info) != 0)
            return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

TComposeCache::TComposeCache() {
    const char* chosen = std::getenv(CacheVariable);
    if ((chosen && *chosen) || geteuid() == 0) return;
    const std::string folder = Folder();
    if (folder.empty() || !PrivateFolderReady(folder)) return;
    FSet = SetOwnVariable(CacheVariable, folder.c_str());
}

TComposeCache::~TComposeCache() {
    Restore();
}

void TComposeCache::Restore() {
    if (FSet) RemoveOwnVariable(CacheVariable);
    FSet = false;
}

std::string TComposeCache::Folder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && *cache == '/') return std::string(cache) + "/" + Subfolder;
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return std::string(home) + "/.cache/" + Subfolder;
    return {};
}

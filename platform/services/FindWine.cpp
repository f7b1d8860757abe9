#include "platform/services/FindWine.h"

#include <cstdlib>

#include "platform/services/ProgramStart.h"

const std::vector<std::string>& WineInstallPaths() {
    static const std::vector<std::string> paths = {
        "/usr/lib/wine/wine64",
        "/usr/lib/wine/wine",
        "/opt/wine-stable/bin/wine",
        "/opt/wine-staging/bin/wine",
    };
    return paths;
}

std::string FindWine() {
    return FindWine(WineInstallPaths());
}

std::string FindWine(const std::vector<std::string>& installPaths) {
    // A WINE that names nothing runnable falls through to the usual places
    // rather than leaving the game without Wine.
    if (const char* env = std::getenv("WINE"); env && *env)
        if (std::string wine = FindExecutable(env); !wine.empty()) return wine;
    for (const char* name : {"wine", "wine64"})
        if (std::string wine = FindExecutable(name); !wine.empty()) return wine;
    for (const auto& path : installPaths)
        if (std::string wine = FindExecutable(path); !wine.empty()) return wine;
    return {};
}

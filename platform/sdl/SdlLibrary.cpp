#include "platform/sdl/SdlLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

bool LoadSdlLibrary(const char* name, TSdlLibrary& table, std::string& error) {
    // Never closed: SDL keeps threads and handlers of its own once started.
    void* library = dlopen(name, RTLD_LAZY | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        error = why ? why : std::string(name) + " cannot be loaded";
        return false;
    }
    TSdlLibrary loaded;
    std::string missing;
#define QUELM_SDL_LOAD(name)                                                                       \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(dlsym(library, "SDL_" #name));           \
    if (!loaded.name) missing += missing.empty() ? "SDL_" #name : ", SDL_" #name;
    QUELM_SDL_FUNCTIONS(QUELM_SDL_LOAD)
#undef QUELM_SDL_LOAD
    if (!missing.empty()) {
        // An SDL2 older than the host needs; nothing of it is used.
        error = std::string(name) + " lacks " + missing;
        return false;
    }
    table = loaded;
    return true;
}

const TSdlLibrary& Sdl() {
    static const TSdlLibrary table = [] {
        TSdlLibrary t;
        std::string error;
        if (!LoadSdlLibrary(SdlLibraryName, t, error))
            throw std::runtime_error("Cannot open a window without SDL2: " + error);
        return t;
    }();
    return table;
}

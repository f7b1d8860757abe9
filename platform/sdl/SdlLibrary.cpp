#include "platform/sdl/SdlLibrary.h"

#include <stdexcept>

#include "platform/services/SharedLibrary.h"

bool LoadSdlLibrary(const char* name, TSdlLibrary& table, std::string& error) {
    // Its dependencies bound at their first call: SDL2 brings forty-odd
    // libraries, most of which the host never calls into.
    void* library = OpenSharedLibrary(name, TLibraryBinding::lbOnFirstCall, error);
    if (!library) return false;
    TSdlLibrary loaded;
    std::string missing;
#define QUELM_SDL_LOAD(name)                                                                       \
    if (!TakeFunction(library, "SDL_" #name, loaded.name))                                         \
        missing += missing.empty() ? "SDL_" #name : ", SDL_" #name;
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

#include "platform/services/SharedLibrary.h"

#include <dlfcn.h>

void* OpenSharedLibrary(const std::string& file, TLibraryBinding binding, std::string& error) {
    const int when = binding == TLibraryBinding::lbAtOnce ? RTLD_NOW : RTLD_LAZY;
    void* library = dlopen(file.c_str(), when | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + file;
    }
    return library;
}

void* LibrarySymbol(void* library, const char* name) {
    return library ? dlsym(library, name) : nullptr;
}

#pragma once
// Libraries the program loads only when it first needs them (the transfer
// library at the first page from the net, SDL2 at the first real window),
// with their functions taken by name. A loaded library stays for the life of
// the process: its functions may be in use anywhere, and unloading one that
// started threads or handlers of its own is not worth the risk.

#include <string>

// How the library's own references to other libraries are bound: all at
// once, so that a missing one fails the load, or each at its first call,
// which loads a large library with many dependencies sooner.
enum class TLibraryBinding { lbAtOnce, lbOnFirstCall };

// The library of that file as the dynamic loader finds it, its symbols kept
// out of the program's namespace; nullptr, with the loader's reason in error,
// when it cannot be loaded.
void* OpenSharedLibrary(const std::string& file, TLibraryBinding binding, std::string& error);

// The address of a symbol of an opened library, or nullptr when it lacks it.
void* LibrarySymbol(void* library, const char* name);

// A function of the library by name, stored into its pointer; false when the
// library lacks it.
template <typename TFunction> bool TakeFunction(void* library, const char* name, TFunction& f) {
    f = reinterpret_cast<TFunction>(LibrarySymbol(library, name));
    return f != nullptr;
}

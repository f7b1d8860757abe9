#pragma once
// SDL2 is loaded when the first real window is wanted, not when the program
// starts. Headless runs (screenshots, the headless host's tests) then never
// load it nor the forty-odd sound, Wayland and D-Bus libraries it brings,
// which cost milliseconds and megabytes at every start; and without SDL2
// installed they still run, while a real window gets a clear error.
//
// The host calls SDL through this table: Sdl().CreateWindow(...) for
// SDL_CreateWindow(...). SDL's headers still give the types and macros.

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <string>

// Every SDL function the host uses, by its name without the SDL_ prefix.
#define QUELM_SDL_FUNCTIONS(X)                                                                     \
    X(CaptureMouse)                                                                                \
    X(ConvertPixels)                                                                               \
    X(CreateSystemCursor)                                                                          \
    X(CreateWindow)                                                                                \
    X(DestroyWindow)                                                                               \
    X(EventState)                                                                                  \
    X(FreeCursor)                                                                                  \
    X(GetClipboardText)                                                                            \
    X(GetDesktopDisplayMode)                                                                       \
    X(GetDisplayUsableBounds)                                                                      \
    X(GetError)                                                                                    \
    X(GetGlobalMouseState)                                                                         \
    X(GetModState)                                                                                 \
    X(GetMouseFocus)                                                                               \
    X(GetMouseState)                                                                               \
    X(GetTicks64)                                                                                  \
    X(GetWindowID)                                                                                 \
    X(GetWindowSurface)                                                                            \
    X(GetWindowWMInfo)                                                                             \
    X(HideWindow)                                                                                  \
    X(InitSubSystem)                                                                               \
    X(LockSurface)                                                                                 \
    X(MinimizeWindow)                                                                              \
    X(PollEvent)                                                                                   \
    X(PushEvent)                                                                                   \
    X(Quit)                                                                                        \
    X(QuitSubSystem)                                                                               \
    X(RaiseWindow)                                                                                 \
    X(RegisterEvents)                                                                              \
    X(ResetHint)                                                                                   \
    X(SetClipboardText)                                                                            \
    X(SetCursor)                                                                                   \
    X(SetHint)                                                                                     \
    X(SetWindowInputFocus)                                                                         \
    X(SetWindowPosition)                                                                           \
    X(SetWindowSize)                                                                               \
    X(SetWindowTitle)                                                                              \
    X(ShowWindow)                                                                                  \
    X(StartTextInput)                                                                              \
    X(UnlockSurface)                                                                               \
    X(UpdateWindowSurface)                                                                         \
    X(UpdateWindowSurfaceRects)                                                                    \
    X(WaitEventTimeout)                                                                            \
    X(WasInit)                                                                                     \
    X(free)

struct TSdlLibrary {
#define QUELM_SDL_POINTER(name) decltype(&::SDL_##name) name = nullptr;
    QUELM_SDL_FUNCTIONS(QUELM_SDL_POINTER)
#undef QUELM_SDL_POINTER
};

// The shared object's name that distributions install SDL2 under.
constexpr const char* SdlLibraryName = "libSDL2-2.0.so.0";

// Loads a library by that table; on failure fills error (what is missing)
// and returns false, leaving the table as it was.
bool LoadSdlLibrary(const char* name, TSdlLibrary& table, std::string& error);

// The loaded SDL2, loaded on first use. Throws std::runtime_error when it
// cannot be had.
const TSdlLibrary& Sdl();

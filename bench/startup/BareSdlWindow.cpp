// The floor of the start-up comparison: the least an SDL2 program does to put
// a window of the launcher's size on the screen. One solid frame, then it
// waits for the window to close.

#include <SDL2/SDL.h>

namespace {

constexpr int WindowWidth = 360;
constexpr int WindowHeight = 365;
constexpr Uint8 Grey = 0xD4;

void Draw(SDL_Window* window) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, Grey, Grey, Grey));
    SDL_UpdateWindowSurface(window);
}

} // namespace

int main() {
    // A window surface in plain memory, as the launcher has, not through a
    // renderer.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          WindowWidth, WindowHeight, 0);
    if (!window) return 1;
    Draw(window);
    // A frame sent before the window was mapped may be lost: drawn again
    // whenever the window system asks, as any program must.
    SDL_Event e;
    while (SDL_WaitEvent(&e)) {
        if (e.type == SDL_QUIT) break;
        if (e.type != SDL_WINDOWEVENT) continue;
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) break;
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) Draw(window);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

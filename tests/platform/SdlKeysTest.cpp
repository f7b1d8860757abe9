// SDL's key codes and modifiers as the virtual keys the controls read. Needs no
// display, so it runs everywhere.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>

#include <utility>

#include "platform/THost.h"
#include "platform/VirtualKeys.h"
#include "platform/sdl/SdlKeys.h"

TEST(SdlKeys, TranslateToVirtualKeys) {
    const std::pair<SDL_Keycode, int> cases[] = {
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, VK_F1},
        {SDLK_F12, VK_F12},
        {SDLK_RETURN, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_TAB, VK_TAB},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_DOWN, VK_DOWN},
        {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END},
        {SDLK_PAGEUP, VK_PRIOR},
        {SDLK_PAGEDOWN, VK_NEXT},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_BACKSPACE, VK_BACK},
        {SDLK_RSHIFT, VK_SHIFT},
        {SDLK_LCTRL, VK_CONTROL},
        {SDLK_RALT, VK_MENU},
        {SDLK_KP_0, VK_NUMPAD0},
        {SDLK_KP_9, VK_NUMPAD9},
        {SDLK_F13, 0},
    };
    for (const auto& [sdl, vk] : cases)
        EXPECT_EQ(SdlKeyToVirtualKey(sdl), vk) << SDL_GetKeyName(sdl);
    EXPECT_EQ(SdlModifiers(KMOD_RSHIFT | KMOD_LCTRL), unsigned{kmShift | kmCtrl});
    EXPECT_EQ(SdlModifiers(KMOD_LALT | KMOD_NUM), unsigned{kmAlt});
}

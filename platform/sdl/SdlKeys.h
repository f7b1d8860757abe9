#pragma once
// Translation of SDL keys and modifiers to the framework's terms.

#include <SDL2/SDL_keyboard.h>

// The Windows virtual-key code of an SDL key, or 0 when it has none. Left and
// right modifier keys give the shared code (VK_SHIFT, VK_CONTROL, VK_MENU), as
// key-down messages do.
int SdlKeyToVirtualKey(SDL_Keycode key);

// kmShift, kmCtrl and kmAlt of an SDL modifier state.
unsigned SdlModifiers(Uint16 mod);

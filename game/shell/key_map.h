// SDL keys as the virtual-key codes the rules understand.
#pragma once

#include <SDL.h>

namespace crv {

/// The rules' virtual-key code for a key symbol, or -1 for a key the game ignores.
/// Letters go by symbol, so they follow the keyboard layout.
int virtualKeyFor(SDL_Keycode symbol);

/// The physical key whose held state stands for an arrow's virtual-key code.
SDL_Scancode scancodeForArrow(int virtualKey);

} // namespace crv

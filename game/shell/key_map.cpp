// SDL keys as the virtual-key codes the rules understand.
#include "game/shell/key_map.h"

#include "game/rules/game.h"

namespace crv {

int virtualKeyFor(SDL_Keycode symbol) {
    switch (symbol) {
    case SDLK_ESCAPE:
        return KeyEscape;
    case SDLK_LEFT:
        return KeyLeft;
    case SDLK_UP:
        return KeyUp;
    case SDLK_RIGHT:
        return KeyRight;
    case SDLK_DOWN:
        return KeyDown;
    case SDLK_f:
        return KeyF;
    case SDLK_n:
        return KeyN;
    case SDLK_p:
        return KeyP;
    case SDLK_s:
        return KeyS;
    case SDLK_y:
        return KeyY;
    default:
        return -1;
    }
}

SDL_Scancode scancodeForArrow(int virtualKey) {
    switch (virtualKey) {
    case KeyLeft:
        return SDL_SCANCODE_LEFT;
    case KeyUp:
        return SDL_SCANCODE_UP;
    case KeyRight:
        return SDL_SCANCODE_RIGHT;
    case KeyDown:
        return SDL_SCANCODE_DOWN;
    default:
        return SDL_SCANCODE_UNKNOWN;
    }
}

} // namespace crv

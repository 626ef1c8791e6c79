// Key presses pushed into SDL's queue as the keyboard would send them.
#pragma once

#include <SDL.h>

namespace crv::testing {

/// A press of this key on a US layout, for the window: its symbol and its scancode.
inline void pushKeyDown(SDL_Window* window, SDL_Keycode symbol) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = symbol;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(symbol);
    event.key.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&event);
}

} // namespace crv::testing

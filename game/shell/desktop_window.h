// What the game needs to know of the desktop its window lives on.
#pragma once

#include <SDL.h>

namespace crv {

/// Whether someone manages the window's size and place: true under Wayland and on an X
/// display with a window manager, false on a bare X server, where a request for full screen
/// changes nothing and the game must size its window itself.
bool windowIsManaged(SDL_Window* window);

} // namespace crv

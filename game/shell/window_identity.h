// The game window's identity on the desktop: the front end's window class, app id and icon,
// so a dock ties both programs' windows to the one menu entry.
#pragma once

#include "common/build_facts.h"

#include <SDL.h>

#include <cstdint>

namespace crv {

/// The front end's X11 window class (instance and class alike): Qt names it after the
/// program. Its Wayland app id, the menu entry's name, is `applicationId`.
constexpr const char* windowClass = frontEndProgramName;

/// Before SDL_Init: names the game's windows as the front end's are named. A name the player
/// set in SDL's own variables stays.
void nameGameWindows();

/// Reads `gameIconFile` from the working directory into its width x height RGBA pixels, exact
/// black made transparent. False, after a line on standard error, when it cannot be read.
bool readWindowIcon(std::uint8_t* pixels);

/// Gives the window the game's icon; without a readable icon file it keeps none.
void setWindowIcon(SDL_Window* window);

} // namespace crv

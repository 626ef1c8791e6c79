// The GL window every picture of the game is drawn in: the game's own, the benchmark's, the tests'.
#pragma once

#include <SDL.h>

namespace crv {

/// Asks SDL, before the window is created, for a double buffer, `depthBits` of depth and a
/// compatibility context: the picture is drawn in immediate mode.
inline void setGlWindowAttributes(int depthBits) {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

} // namespace crv
